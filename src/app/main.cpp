#include "app/splashwindow.h"
#include "base/userfolder.h"
#include "quiz/quizwindow.h"
#include "ui/accessiblenames.h"
#include "ui/desktopstyle.h"
#include "ui/fonts.h"
#include "ui/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

// Where an installation puts the shipped files, relative to the executable.
#ifndef LUMO_INSTALLED_DATA_FROM_EXECUTABLE
#define LUMO_INSTALLED_DATA_FROM_EXECUTABLE "../share/lumo-english"
#endif

namespace {

// For measurements only (scripts/measure-big-files.sh): when
// LUMO_TEST_REPORT_LONGEST_STEP is set, the program writes to stderr as it
// ends the longest time its event loop was busy while the main window was open
// (from its first paint until it is closed): the longest gap between two ticks
// of a 10 ms timer, less the 10 ms. The learner's clicks wait at most that long.
class LongestStepReport final : public QObject {
  public:
    explicit LongestStepReport(QWidget* mainWindow) : QObject(mainWindow)
    {
        mainWindow->installEventFilter(this);
        m_tick.setInterval(kTickMs);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            m_longestMs = std::max(m_longestMs, now - m_lastTickMs - kTickMs);
            m_lastTickMs = now;
        });
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            std::fprintf(stderr, "longest event-loop step %lld ms\n", static_cast<long long>(m_longestMs));
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_clock.isValid()) {
            m_clock.start();
            m_tick.start();
        } else if (event->type() == QEvent::Close) {
            m_tick.stop(); // the saving at the end is timed apart
            watched->removeEventFilter(this);
        }
        return false;
    }

  private:
    static constexpr qint64 kTickMs = 10;
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_lastTickMs = 0;
    qint64 m_longestMs = 0;
};

void reportLongestStepWhenAsked(QWidget* mainWindow)
{
    if (qEnvironmentVariableIsSet("LUMO_TEST_REPORT_LONGEST_STEP"))
        new LongestStepReport(mainWindow);
}

QWidget* loadMainWindow()
{
    const QString problem = lumo::settleProgramFolder(QStringLiteral(LUMO_INSTALLED_DATA_FROM_EXECUTABLE));
    if (!problem.isEmpty())
        lumo::dialogs().notice(nullptr, problem);
    auto* window = new lumo::QuizWindow;
    // For automated runs of the whole program only: LUMO_TEST_CLOSE_AFTER_MS
    // closes the main window that many milliseconds after it loads, which
    // runs the ordinary save-and-end sequence.
    bool closeAfterIsSet = false;
    const int closeAfter = qEnvironmentVariableIntValue("LUMO_TEST_CLOSE_AFTER_MS", &closeAfterIsSet);
    if (closeAfterIsSet)
        QTimer::singleShot(closeAfter, window, &QWidget::close);
    reportLongestStepWhenAsked(window);
    return window;
}

// For start-up measurements only (bench/startup.sh): when
// LUMO_TEST_LAUNCHED_AT_US holds the launch time in microseconds since the
// epoch, the program writes to stderr how long after it the splash's first
// paint was done.
class FirstPaintReport final : public QObject {
  public:
    FirstPaintReport(qint64 launchedAtUs, QObject* parent) : QObject(parent), m_launchedAtUs(launchedAtUs) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Reported once the paint event has been handled and flushed.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

  private:
    void report() const
    {
        using namespace std::chrono;
        const qint64 now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
        // The processor time spent so far tells a slow start from a busy machine.
        const double processorMs = 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
        std::fprintf(stderr, "splash painted after %.1f ms (processor %.1f ms)\n",
                     static_cast<double>(now - m_launchedAtUs) / 1000.0, processorMs);
    }

    qint64 m_launchedAtUs;
};

void reportFirstPaintWhenAsked(QWidget* splash)
{
    bool isSet = false;
    const qint64 launchedAt = qEnvironmentVariable("LUMO_TEST_LAUNCHED_AT_US").toLongLong(&isSet);
    if (isSet)
        splash->installEventFilter(new FirstPaintReport(launchedAt, splash));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumo-English"));
    Q_INIT_RESOURCE(assets);
    QApplication::setStyle(new lumo::DesktopStyle);
    // The style would keep a picture of every button face it draws, one per
    // button size: about 0.3 MB for the main window alone, to draw the whole
    // window in 3 ms instead of 4 (quiz_bench), which it seldom has to.
    QPixmapCache::setCacheLimit(0);
    lumo::useProgramFont();
    lumo::nameControlsOfEveryWindow();

    // Japanese texts on the standard buttons of message boxes and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The main window ends the program itself (its save-and-end sequence).
    QApplication::setQuitOnLastWindowClosed(false);
    auto* splash = new lumo::SplashWindow(loadMainWindow);
    reportFirstPaintWhenAsked(splash);
    splash->show();
    return QApplication::exec();
}
