#include "wordentry/savefile.h"

#include "data/textfile.h"
#include "ui/platform.h"
#include "widgets/richtextbox.h"

namespace lumo {

SaveOutcome saveTextToFile(QWidget* owner, const QString& text)
{
    const std::optional<QString> path = dialogs().saveFile(owner, kSaveDialogTitle, kSaveDialogFilter);
    if (!path || path->isEmpty())
        return SaveOutcome::Cancelled;
    // The file is replaced in one step: on any failure the old one stays whole.
    const WriteResult result = writeTextFile(*path, toCp932LookAlikes(text));
    if (!result.ok) {
        dialogs().notice(owner, result.error, kSaveErrorTitle);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

SaveOutcome saveToFile(QWidget* owner, const RichTextBox& box)
{
    return saveTextToFile(owner, box.Text());
}

} // namespace lumo
