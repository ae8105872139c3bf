#include "ui/noticebar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

struct Parts {
    QLabel* text;
    QToolButton* close;
};

Parts partsOf(const NoticeBar& bar)
{
    return {bar.findChild<QLabel*>(QStringLiteral("noticeText")),
            bar.findChild<QToolButton*>(QStringLiteral("noticeClose"))};
}

TEST(NoticeBar, HiddenUntilThereIsSomethingToSay)
{
    QWidget window;
    auto* bar = new NoticeBar(&window);
    window.show();
    EXPECT_EQ(bar->objectName(), QStringLiteral("notice"));
    EXPECT_TRUE(bar->isHidden());

    bar->showNotice(QStringLiteral("ファイル「word-5.dat」が見つかりません。"));
    EXPECT_TRUE(bar->isVisible());
    const Parts parts = partsOf(*bar);
    ASSERT_TRUE(parts.text && parts.close);
    EXPECT_EQ(parts.text->text(), QStringLiteral("ファイル「word-5.dat」が見つかりません。"));
    EXPECT_EQ(bar->text(), parts.text->text());

    // An empty message and clear() both hide the bar.
    bar->showNotice(QString());
    EXPECT_TRUE(bar->isHidden());
    bar->showNotice(QStringLiteral("x"));
    bar->clear();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(bar->text().isEmpty());
}

TEST(NoticeBar, MessagesAreShownAsPlainTextOverSeveralLines)
{
    NoticeBar bar;
    bar.showNotice(QStringLiteral("<b>a</b>\nb"));
    EXPECT_EQ(partsOf(bar).text->textFormat(), Qt::PlainText);
    EXPECT_TRUE(partsOf(bar).text->wordWrap());
    EXPECT_EQ(bar.text(), QStringLiteral("<b>a</b>\nb"));
}

TEST(NoticeBar, CloseButtonHidesTheBarAndSaysSo)
{
    QWidget window;
    auto* focused = new QWidget(&window);
    focused->setFocusPolicy(Qt::StrongFocus);
    auto* bar = new NoticeBar(&window);
    window.show();
    bar->showNotice(QStringLiteral("問題"));
    QSignalSpy closed(bar, &NoticeBar::closed);

    QTest::mouseClick(partsOf(*bar).close, Qt::LeftButton);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(partsOf(*bar).close->focusPolicy(), Qt::NoFocus);

    // The next message opens it again.
    bar->showNotice(QStringLiteral("次の問題"));
    EXPECT_TRUE(bar->isVisible());
}

TEST(NoticeBar, EachKindHasItsOwnColours)
{
    NoticeBar info(nullptr, NoticeBar::Kind::Information), warning, error(nullptr, NoticeBar::Kind::Error);
    EXPECT_EQ(warning.kind(), NoticeBar::Kind::Warning);
    const QColor a = info.palette().color(QPalette::Window);
    const QColor b = warning.palette().color(QPalette::Window);
    const QColor c = error.palette().color(QPalette::Window);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(a, c);
    warning.setKind(NoticeBar::Kind::Error);
    EXPECT_EQ(warning.palette().color(QPalette::Window), c);
    // Dark text on a pale bar, whatever the desktop's theme.
    EXPECT_LT(error.palette().color(QPalette::WindowText).lightness(), 128);
    EXPECT_GT(c.lightness(), 128);
}

TEST(NoticeBar, KeepsItsColoursInsideADarkWindow)
{
    QWidget window;
    QPalette dark = window.palette();
    for (auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, QColor(24, 40, 88));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    window.setPalette(dark);
    auto* bar = new NoticeBar(&window);
    const QColor text = bar->palette().color(QPalette::WindowText);
    EXPECT_LT(text.lightness(), 128);
    EXPECT_EQ(partsOf(*bar).text->palette().color(QPalette::WindowText), text);
    EXPECT_EQ(partsOf(*bar).close->palette().color(QPalette::ButtonText), text);
}

// A window whose controls sit at fixed positions: the bar lies under them,
// across the whole width, and the window grows to hold it, whether or not
// the window's size is fixed; closing it gives the window its size back.
TEST(NoticeBar, BelowTheControlsTheWindowGrowsInsteadOfAnythingMoving)
{
    for (const bool fixedSize : {false, true}) {
        QWidget window;
        auto* button = new QToolButton(&window);
        button->setGeometry(10, 150, 80, 40);
        if (fixedSize)
            window.setFixedSize(300, 200);
        else
            window.resize(300, 200);
        auto* bar = new NoticeBar(&window);
        bar->setPlacement(NoticeBar::Placement::BelowControls);
        window.show();
        EXPECT_EQ(window.size(), QSize(300, 200));

        bar->showNotice(QStringLiteral("ファイル「例文.txt」が見つかりません。"));
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->geometry(), QRect(0, 200, 300, bar->height())) << fixedSize;
        EXPECT_GT(bar->height(), 0);
        EXPECT_EQ(window.height(), 200 + bar->height()) << fixedSize;
        EXPECT_EQ(button->geometry(), QRect(10, 150, 80, 40));

        // A longer message makes a taller bar; the window follows.
        const int oneLine = bar->height();
        bar->addNotice(QStringLiteral("二行目\n三行目"));
        EXPECT_EQ(bar->text(), QStringLiteral("ファイル「例文.txt」が見つかりません。\n二行目\n三行目"));
        EXPECT_GT(bar->height(), oneLine);
        EXPECT_EQ(bar->y(), 200);
        EXPECT_EQ(window.height(), 200 + bar->height());

        QTest::mouseClick(partsOf(*bar).close, Qt::LeftButton);
        EXPECT_TRUE(bar->isHidden());
        EXPECT_EQ(window.size(), QSize(300, 200)) << fixedSize;
        EXPECT_EQ(button->geometry(), QRect(10, 150, 80, 40));

        // Shown again after closing, it comes back under the controls.
        bar->addNotice(QStringLiteral("もう一度"));
        EXPECT_EQ(bar->text(), QStringLiteral("もう一度")) << "a closed bar starts afresh";
        EXPECT_EQ(bar->y(), 200);
        EXPECT_EQ(window.height(), 200 + bar->height());
        bar->clear();
        EXPECT_EQ(window.size(), QSize(300, 200));
    }
}

TEST(NoticeBar, ItsCloseButtonIsNamedForAssistiveTechnology)
{
    NoticeBar bar;
    EXPECT_EQ(partsOf(bar).close->accessibleName(), QStringLiteral("お知らせを閉じる"));
}

} // namespace
