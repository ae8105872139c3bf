// The open dialog shows its details in Japanese, each column wide enough for
// them; run again at 120, 150 and 200 % (tests/ui/CMakeLists.txt).
#include "ui/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

TEST(FileDialog, DetailsInJapaneseFitTheirColumns)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("諺.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(839, 'a')) == 839 && file.flush());
    file.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(9, 5)), QFileDevice::FileModificationTime);
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path()); // where the dialog opens
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* view = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
        if (view && QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 1; })) {
            // A text is cut when it is wider than its column less the item's margins.
            const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (int column = 1; column <= 3; ++column) {
                shown.append(view->model()->index(0, column, view->rootIndex()).data().toString());
                EXPECT_GE(view->header()->sectionSize(column), view->header()->sectionSizeHint(column));
                EXPECT_LE(view->fontMetrics().horizontalAdvance(shown.last()) + margins,
                          view->header()->sectionSize(column));
            }
        }
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    EXPECT_EQ(lumo::Dialogs::real().openFile(nullptr, QStringLiteral("開く"), QStringLiteral("テキスト (*.txt)")),
              std::nullopt);
    QDir::setCurrent(home);
    EXPECT_EQ(shown, QStringList({QStringLiteral("839 バイト"), QStringLiteral("TXT ファイル"),
                                  QStringLiteral("2026/12/07 09:05")}));
}
