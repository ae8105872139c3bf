#pragma once
// The splash window: shows the program's picture while the main window loads
// behind it, then shows the main window and closes itself.
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lumo {

class Form2 : public QWidget {
    Q_OBJECT
  public:
    // `loadMain` creates (loads) the main window and returns it; it is called
    // once, on the 6th tick.
    explicit Form2(std::function<QWidget*()> loadMain, QWidget* parent = nullptr);

    void Timer1_Timer();
    int ticks() const { return m_ticks; }
    QTimer* Timer1 = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Closing the splash early goes straight on to the main window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void showMain();

    std::function<QWidget*()> m_loadMain;
    QPointer<QWidget> m_main;
    bool m_mainShown = false;
    int m_ticks = 0;
};

} // namespace lumo
