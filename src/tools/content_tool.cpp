// Build tool: writes the shipped text files into the program folder.
// Usage: lumo-content SOURCE TARGET
// SOURCE is UTF-8 with LF or CR LF line breaks; TARGET gets code page 932
// with CR LF. Fails, naming the characters, when code page 932 cannot hold
// the text.
#include "data/textfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: lumo-content SOURCE TARGET\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", qPrintable(args[1]));
        return 1;
    }
    QString text = QString::fromUtf8(source.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    const lumo::WriteResult written = lumo::writeTextFile(args[2], text);
    if (!written.ok) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), written.error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
