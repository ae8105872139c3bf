#include "base/programfolder.h"

#include <QCoreApplication>

namespace lumo {
namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder;
}

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withTrailingSeparator(folder);
}

} // namespace lumo
