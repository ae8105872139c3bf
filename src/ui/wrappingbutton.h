#pragma once
// A push button whose caption goes onto a second line when one line is wider
// than the button, so a long caption is never cut off at a larger scale or
// font. The caption itself (text()) stays as it is.
#include <QPushButton>

namespace lumo {

class WrappingButton : public QPushButton {
    Q_OBJECT
  public:
    explicit WrappingButton(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumo
