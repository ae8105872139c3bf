#pragma once
// The open and save dialogs behind `dialogs()`: Qt's own file dialog with its
// details in Japanese (sizes, kinds, dates as 2026/12/08 09:30) and columns
// wide enough for them at any scale. Where the desktop supplies a dialog of
// its own, that one is shown as it is.
#include <QString>

#include <optional>

class QWidget;

namespace lumo {

enum class FileDialogPurpose { Open, Save };

// The chosen full path, or nullopt when cancelled. Saving asks nothing
// before replacing a file (the caller decides).
std::optional<QString> chooseFile(QWidget* parent, const QString& title, const QString& filter,
                                  FileDialogPurpose purpose);

} // namespace lumo
