#include "app/splash.h"
#include "quiz/quizwindow.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumo-English"));
    Q_INIT_RESOURCE(assets);
    lumo::useProgramFont();

    // Japanese texts on the standard buttons of message boxes and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The main window ends the program itself (its save-and-end sequence).
    QApplication::setQuitOnLastWindowClosed(false);
    auto* splash = new lumo::Form2([] { return static_cast<QWidget*>(new lumo::QuizWindow); });
    splash->show();
    return QApplication::exec();
}
