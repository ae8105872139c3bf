// The floor for bench/startup.sh: a Qt Widgets program that does nothing but
// show one white window of the splash's size. Its start-up time and RSS are
// what the Qt platform itself costs on the machine, measured and reported the
// same way as the program's own (LUMO_TEST_LAUNCHED_AT_US,
// LUMO_TEST_CLOSE_AFTER_MS).
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

class BareWindow final : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        if (m_reported)
            return;
        m_reported = true;
        bool isSet = false;
        const qint64 launchedAt = qEnvironmentVariable("LUMO_TEST_LAUNCHED_AT_US").toLongLong(&isSet);
        if (isSet)
            QTimer::singleShot(0, this, [launchedAt] {
                using namespace std::chrono;
                const qint64 now = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
                const double processorMs = 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
                std::fprintf(stderr, "splash painted after %.1f ms (processor %.1f ms)\n",
                             static_cast<double>(now - launchedAt) / 1000.0, processorMs);
            });
    }

  private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(456, 324);
    window.show();
    bool closeAfterIsSet = false;
    const int closeAfter = qEnvironmentVariableIntValue("LUMO_TEST_CLOSE_AFTER_MS", &closeAfterIsSet);
    if (closeAfterIsSet)
        QTimer::singleShot(closeAfter, &app, &QApplication::quit);
    return QApplication::exec();
}
