#pragma once
// The program folder: the executable's folder with a trailing separator.
// Every data file of the program is this folder followed by a bare name.
#include <QString>

namespace lumo {

QString programFolder();
// Tests and tools point the program at another folder; an empty string
// returns to the executable's folder.
void setProgramFolder(const QString& folder);
// Adds a trailing separator unless the path already ends in one ("C:\" stays).
QString withTrailingSeparator(QString folder);

} // namespace lumo
