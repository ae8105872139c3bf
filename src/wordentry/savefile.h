#pragma once
// Saving a text as a file of the learner's choice: the save dialog, then the
// text written as code page 932 plain text, replacing any file of that name.
#include <QString>

class QWidget;

namespace lumo {

class RichTextBox;

inline const QString kSaveDialogTitle = QStringLiteral("ファイルを保存する");
inline const QString kSaveDialogFilter = QStringLiteral("All Files (*.*)");
inline const QString kSaveErrorTitle = QStringLiteral("エラー　警告　！！");

enum class SaveOutcome { Saved, Cancelled, Failed };

// Asks for a file name with the save dialog (owned by `owner`) and writes
// `text` there. Characters an input method types in their JIS form are
// written as their code page 932 look-alikes; any other character the code
// page cannot hold, or a file that cannot be written, is reported in the
// error box and leaves the file as it was.
SaveOutcome saveTextToFile(QWidget* owner, const QString& text);
SaveOutcome saveToFile(QWidget* owner, const RichTextBox& box);

} // namespace lumo
