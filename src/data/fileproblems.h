#pragma once
// Why a file could not be read or written, in words a learner understands,
// and the sentences the windows show about it. Every sentence names the file
// by its name alone, shortened in the middle when it is too long for a
// message box.
#include <QString>

namespace lumo {

// A file name short enough for one line of a message box: the name part of
// `path`, with its middle replaced by "…" when it is over `maxLength`.
QString displayName(const QString& path, qsizetype maxLength = 40);

// The cause of an operating-system error number as a Japanese clause
// without a full stop: ENOSPC → "ディスクがいっぱいです".
QString causeOfError(int errorNumber);

} // namespace lumo
