#pragma once
// Names for assistive technology. Every control of a window gets an
// accessible name in Japanese: buttons, option buttons and labels their
// caption; boxes and lists the caption of the label that is their buddy, or
// else the role they play (a table keyed by objectName, which never changes),
// or at least their kind. Heading labels become the buddies of the boxes they
// head.
class QWidget;

namespace lumo {

void nameControls(QWidget* window);

// Names the controls of every window once, the first time it is shown.
void nameControlsOfEveryWindow();

} // namespace lumo
