#pragma once
// Finds captions a window cuts off: a button's or label's text wider (or
// taller) than the room its control gives it, measured with the control's own
// font and style, as drawn at the current scale and font resolution.
#include <QString>

#include <vector>

class QWidget;

namespace lumo::test {

struct CutCaption {
    QString objectName;
    QString text;
    QString what;  // "wide" or "tall"
    int needed;    // logical pixels the text takes
    int available; // logical pixels the control gives it
};

std::vector<CutCaption> cutCaptions(const QWidget* window);

// One line per cut caption, for a test's failure message.
QString describe(const std::vector<CutCaption>& cuts);

} // namespace lumo::test
