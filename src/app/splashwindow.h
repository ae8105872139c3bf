#pragma once
// The splash window: shows the program's picture while the main window loads
// behind it, then shows the main window and closes itself.
//
//   objectName   role
//   Form2        the window; its picture is painted, not a child control
//   Timer1       200 ms ticks: loads the main window on the 6th, shows it on the 11th
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lumo {

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    // `loadMain` creates (loads) the main window and returns it; it is called
    // once, on the 6th tick.
    explicit SplashWindow(std::function<QWidget*()> loadMain, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Closing the splash early goes straight on to the main window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void countTick();
    void showMain();

    std::function<QWidget*()> m_loadMain;
    QPointer<QWidget> m_main;
    QTimer* m_timer = nullptr;
    bool m_mainShown = false;
    int m_ticks = 0;
};

} // namespace lumo
