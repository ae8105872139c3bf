#include "ui/filedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <initializer_list>

namespace lumo {
namespace {

enum Column { Name, Size, Kind, Modified };

// Qt's file list formats sizes, kinds and dates in the system's language,
// which on many machines is English; this gives them in Japanese.
class JapaneseFileDetails final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() == Name || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        const bool folder = files->isDir(file);
        switch (index.column()) {
        case Size:
            return folder ? QString()
                          : m_japanese.formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
        case Kind: {
            if (folder)
                return QStringLiteral("フォルダー");
            const QString suffix = files->fileInfo(file).suffix();
            return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix.toUpper() + QStringLiteral(" ファイル");
        }
        case Modified: return m_japanese.toString(files->lastModified(file), QStringLiteral("yyyy/MM/dd HH:mm"));
        default: return QIdentityProxyModel::data(index, role);
        }
    }

  private:
    QLocale m_japanese{QLocale::Japanese, QLocale::Japan};
};

// The widest of `samples` and the column's heading, with room for the
// item's margins and the heading's sort mark.
int columnWidth(const QTreeView& view, int column, std::initializer_list<QString> samples)
{
    const QFontMetrics metrics(view.font());
    int widest = metrics.horizontalAdvance(view.model()->headerData(column, Qt::Horizontal).toString()) +
                 view.style()->pixelMetric(QStyle::PM_HeaderMarkSize) +
                 2 * view.style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (const QString& sample : samples)
        widest = std::max(widest, metrics.horizontalAdvance(sample));
    return widest + 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + metrics.horizontalAdvance(u'0');
}

// Puts the Japanese details into the dialog and widens its columns to fit
// them; nothing happens to a desktop's own dialog.
void showDetailsInJapanese(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return; // the desktop's own dialog
    dialog.setProxyModel(new JapaneseFileDetails(&dialog));
    QHeaderView* header = view->header();
    header->resizeSection(Size, columnWidth(*view, Size, {QStringLiteral("999 バイト"), QStringLiteral("1023.9 MB")}));
    header->resizeSection(Kind,
                          columnWidth(*view, Kind, {QStringLiteral("フォルダー"), QStringLiteral("JPEG ファイル")}));
    header->resizeSection(Modified, columnWidth(*view, Modified, {QStringLiteral("0000/00/00 00:00")}));
    // The names take the width the other columns leave, and the dialog grows
    // until that is room for a name of some length, as far as the screen
    // allows: no column lies beyond the list's right edge.
    header->setSectionResizeMode(Name, QHeaderView::Stretch);
    const int details = header->sectionSize(Size) + header->sectionSize(Kind) + header->sectionSize(Modified);
    const int wanted = details + QFontMetrics(view->font()).horizontalAdvance(QStringLiteral("単語リスト-0000.csv")) +
                       2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    dialog.ensurePolished();
    if (dialog.layout())
        dialog.layout()->activate();
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() : dialog.width();
    dialog.resize(std::min(dialog.width() + std::max(0, wanted - view->width()), room), dialog.height());
}

} // namespace

std::optional<QString> chooseFile(QWidget* parent, const QString& title, const QString& filter,
                                  FileDialogPurpose purpose)
{
    QFileDialog dialog(parent, title, QString(), filter);
    if (purpose == FileDialogPurpose::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    showDetailsInJapanese(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace lumo
