#include "app/splash.h"
#include "app/userfolder.h"
#include "quiz/form1.h"
#include "ui/platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

// Where an installation puts the shipped files, relative to the executable.
#ifndef LUMO_INSTALLED_DATA_FROM_EXECUTABLE
#define LUMO_INSTALLED_DATA_FROM_EXECUTABLE "../share/lumo-english"
#endif

namespace {

QWidget* loadMainWindow()
{
    const QString problem = lumo::settleProgramFolder(QStringLiteral(LUMO_INSTALLED_DATA_FROM_EXECUTABLE));
    if (!problem.isEmpty())
        lumo::dialogs().notice(nullptr, problem);
    auto* window = new lumo::Form1;
    // For automated runs of the whole program only: LUMO_TEST_CLOSE_AFTER_MS
    // closes the main window that many milliseconds after it loads, which
    // runs the ordinary save-and-end sequence.
    bool closeAfterIsSet = false;
    const int closeAfter = qEnvironmentVariableIntValue("LUMO_TEST_CLOSE_AFTER_MS", &closeAfterIsSet);
    if (closeAfterIsSet)
        QTimer::singleShot(closeAfter, window, &QWidget::close);
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumo-English"));
    Q_INIT_RESOURCE(assets);

    // Japanese texts on the standard buttons of message boxes and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The main window ends the program itself (its save-and-end sequence).
    QApplication::setQuitOnLastWindowClosed(false);
    auto* splash = new lumo::Form2(loadMainWindow);
    splash->show();
    return QApplication::exec();
}
