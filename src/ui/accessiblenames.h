#pragma once
// Names for assistive technology. Every control of a window has an
// accessible name in Japanese: buttons, option buttons and labels are read
// out by the caption they show at the moment (Qt does that for any of them
// without a name of its own). Each window names its boxes and lists by the
// role they play where it builds them, or makes a label their buddy; what a
// window left unnamed is named here by its buddy's caption, or at least by
// its kind.
class QWidget;

namespace lumo {

void nameControls(QWidget* window);

// Names the controls of every window once, the first time it is shown.
void nameControlsOfEveryWindow();

} // namespace lumo
