// Writes a ten-year "Training.dat" (tenyearhistory.h) into a program folder,
// for measuring the real program on a long history:
//   make_ten_year_history PROGRAM_FOLDER [LINES] [LAST_DAY yyyy-MM-dd]
#include "tenyearhistory.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_ten_year_history PROGRAM_FOLDER [LINES] [LAST_DAY]\n");
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath() + u'/';
    const int lines = args.size() > 2 ? args.at(2).toInt() : 1'000'000;
    const QDate lastDay = args.size() > 3 ? QDate::fromString(args.at(3), Qt::ISODate) : QDate::currentDate();
    const QString text = lumo::bench::tenYearHistory(folder, lines, lastDay);
    const lumo::WriteResult written = lumo::writeTextFile(folder + QStringLiteral("Training.dat"), text);
    if (!written.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return 1;
    }
    std::printf("%d lines, %lld characters\n", lines, static_cast<long long>(text.size()));
    return 0;
}
