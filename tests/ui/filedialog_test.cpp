// Qt's own file dialog with its details in Japanese, each column wide enough
// for its texts; run again at 120, 150 and 200 % (tests/ui/CMakeLists.txt).
#include "ui/filedialog.h"
#include "ui/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace lumo;

TEST(FileDialog, DetailsInJapaneseFitTheirColumns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("コース")));
    QFile file(dir.filePath(QStringLiteral("諺.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(839, 'a'));
    file.flush();
    file.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(9, 5)), QFileDevice::FileModificationTime);
    file.close();

    QFileDialog dialog(nullptr, QStringLiteral("開く"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    showDetailsInJapanese(dialog);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 2; }));

    QStringList fileRow, folderRow;
    for (int row = 0; row < 2; ++row) {
        QStringList& texts =
            view->model()->index(row, 0, view->rootIndex()).data().toString() == u"諺.txt" ? fileRow : folderRow;
        for (int column = 1; column <= 3; ++column)
            texts.append(view->model()->index(row, column, view->rootIndex()).data().toString());
    }
    EXPECT_EQ(fileRow, QStringList({QStringLiteral("839 バイト"), QStringLiteral("TXT ファイル"),
                                    QStringLiteral("2026/12/07 09:05")}));
    ASSERT_EQ(folderRow.size(), 3);
    EXPECT_EQ(folderRow.mid(0, 2), QStringList({QString(), QStringLiteral("フォルダー")}));

    // A text is cut when it is wider than its column less the item's margins.
    QHeaderView* header = view->header();
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int column = 1; column <= 3; ++column) {
        SCOPED_TRACE(column);
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column));
        for (const QString& text : {fileRow[column - 1], folderRow[column - 1]})
            EXPECT_LE(view->fontMetrics().horizontalAdvance(text) + margins, header->sectionSize(column))
                << text.toStdString();
    }
}

// The platform's open dialog is that dialog; cancelling it chooses nothing.
TEST(FileDialog, TheOpenDialogShowsTheJapaneseDetails)
{
    bool japanese = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        japanese = dialog->proxyModel() != nullptr;
        dialog->reject();
    });
    EXPECT_EQ(Dialogs::real().openFile(nullptr, QStringLiteral("開く"), QStringLiteral("テキスト (*.txt)")),
              std::nullopt);
    EXPECT_TRUE(japanese);
}
