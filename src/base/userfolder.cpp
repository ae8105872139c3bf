#include "base/userfolder.h"

#include "base/programfiles.h"
#include "base/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace lumo {
namespace {

const QString kCourseList = QString::fromLatin1(kCourseListFile);

bool holdsShippedFiles(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo::exists(withTrailingSeparator(folder) + kCourseList);
}

} // namespace

bool folderIsWritable(const QString& folder)
{
    QTemporaryFile probe(withTrailingSeparator(folder) + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}

ProgramFolderPlan planProgramFolder(const QString& executableFolder, const QString& installedDataFolder,
                                    const QString& perUserFolder, const std::function<bool(const QString&)>& canWrite)
{
    const bool filesBesideExecutable = holdsShippedFiles(executableFolder);
    const bool installed = !filesBesideExecutable && holdsShippedFiles(installedDataFolder);
    if (!installed && canWrite(executableFolder))
        return {withTrailingSeparator(executableFolder), {}};
    const QString shipped = filesBesideExecutable ? executableFolder : installedDataFolder;
    return {withTrailingSeparator(perUserFolder), withTrailingSeparator(shipped)};
}

bool isShippedFileName(const QString& name)
{
    static const QStringList kSuffixes{QStringLiteral(".dat"), QStringLiteral(".txt"), QStringLiteral(".htm"),
                                       QStringLiteral(".wav")};
    if (name.startsWith(u'.'))
        return false;
    for (const QString& suffix : kSuffixes)
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    return false;
}

StockResult stockProgramFolder(const QString& shippedFolder, const QString& folder)
{
    StockResult result;
    if (!QDir().mkpath(folder)) {
        result.folderCreated = false;
        return result;
    }
    const QDir shipped(shippedFolder);
    const QString target = withTrailingSeparator(folder);
    const QStringList names = shipped.entryList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        if (!isShippedFileName(name))
            continue;
        const QString destination = target + name;
        // exists() alone would take a dangling link for a missing file and
        // copy over it; a learner's link is theirs to keep.
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
            continue;
        QFile source(shipped.filePath(name));
        if (source.copy(destination)) {
            // Installed files are read-only; the learner's copies are theirs to change.
            QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner);
            result.copied.append(name);
        } else {
            result.failed.append(name);
        }
    }
    return result;
}

QString stockProblemMessage(const StockResult& result, const QString& folder)
{
    if (!result.folderCreated)
        return QStringLiteral("学習用のフォルダー「%1」を作れませんでした。\n学習の記録は保存されません。")
            .arg(QDir::toNativeSeparators(folder));
    if (result.failed.isEmpty())
        return {};
    return QStringLiteral("次のファイルを「%1」にコピーできませんでした。\n%2")
        .arg(QDir::toNativeSeparators(folder), result.failed.join(u'\n'));
}

QString settleProgramFolder(const QString& installedDataFromExecutable)
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString installedData = QDir::cleanPath(executableFolder + u'/' + installedDataFromExecutable);
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const ProgramFolderPlan plan = planProgramFolder(executableFolder, installedData, perUser);
    setProgramFolder(plan.folder);
    if (plan.shippedFolder.isEmpty())
        return {};
    return stockProblemMessage(stockProgramFolder(plan.shippedFolder, plan.folder), plan.folder);
}

} // namespace lumo
