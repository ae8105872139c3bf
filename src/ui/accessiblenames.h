#pragma once
// Names for assistive technology. Every control of a window has an
// accessible name in Japanese: buttons, option buttons and labels are read
// out by the caption they show at the moment (Qt does that for any of them
// without a name of its own); boxes and lists are named by the caption of the
// label that is their buddy, or else the role they play (a table keyed by
// objectName, which never changes), or at least their kind. Heading labels
// become the buddies of the boxes they head.
class QWidget;

namespace lumo {

void nameControls(QWidget* window);

// Names the controls of every window once, the first time it is shown.
void nameControlsOfEveryWindow();

} // namespace lumo
