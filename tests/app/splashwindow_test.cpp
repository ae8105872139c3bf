#include "app/splashwindow.h"

#include "support/fakes.h"
#include "support/svgpicture.h"
#include "ui/twips.h"

#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumo;

TEST(Splash, LoadsOnTheSixthTickAndShowsOnTheEleventhOnce)
{
    test::FixedScreen screen(QSize(800, 600));
    int loads = 0;
    QWidget main;
    QPointer<SplashWindow> splash = new SplashWindow([&] {
        ++loads;
        return &main;
    });
    EXPECT_EQ(splash->windowTitle(), QString(38, u' ') + QStringLiteral("Lumo-English"));
    EXPECT_EQ(splash->size(), QSize(449, 298));
    EXPECT_EQ(splash->pos(), QPoint(twipsToPixels((12000 - 449 * 15) / 2.0), twipsToPixels((9000 - 298 * 15) / 2.0)));
    EXPECT_EQ(test::findTimer(*splash, QStringLiteral("Timer1"))->interval(), 200);
    splash->show();
    for (int tick = 1; tick <= 5; ++tick)
        test::tick(*splash);
    EXPECT_EQ(loads, 0);
    test::tick(*splash);
    EXPECT_EQ(loads, 1);
    for (int tick = 7; tick <= 10; ++tick)
        test::tick(*splash);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(main.isVisible());
    test::tick(*splash);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(test::findTimer(*splash, QStringLiteral("Timer1"))->isActive());
    // Late ticks queued behind a slow start-up change nothing.
    test::tick(*splash);
    EXPECT_EQ(loads, 1);
    delete splash;
}

TEST(Splash, SmallScreenPutsTheWindowAtZeroOnThatAxis)
{
    test::FixedScreen screen(QSize(300, 600));
    SplashWindow splash([] { return nullptr; });
    EXPECT_EQ(splash.pos().x(), 0);
    EXPECT_EQ(splash.pos().y(), twipsToPixels((9000 - 298 * 15) / 2.0));
}

TEST(Splash, ClosingItEarlyStillOpensTheMainWindowOnce)
{
    test::FixedScreen screen;
    int loads = 0;
    QWidget main;
    auto* splash = new SplashWindow([&] {
        ++loads;
        return &main;
    });
    splash->show();
    test::tick(*splash);
    splash->close();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(main.isVisible());
}

// The picture is drawn into pixels when the program is built; the window must
// show exactly what drawing the SVG itself would, filling the window.
// Run at device pixel ratios 1, 1.2, 1.5 and 2 (tests/app/CMakeLists.txt).
TEST(Splash, PictureIsTheSvgDrawnOverTheWholeWindow)
{
    test::FixedScreen screen;
    SplashWindow splash([] { return nullptr; });
    const qreal ratio = splash.devicePixelRatioF();
    const QImage shown = splash.grab().toImage();
    const QImage expected =
        test::drawnSvg(QStringLiteral(LUMO_SPLASH_SVG), splash.size(), ratio, Qt::white, QRectF(0, 0, 449, 298));
    const test::PictureDifference d = test::difference(shown, expected);
    ASSERT_TRUE(d.sameSize) << ratio;
    if (test::wholeRatio(ratio)) {
        EXPECT_EQ(d.largest, 0) << d;
    } else {
        // Scaled from the larger picture: edges soften, nothing moves.
        EXPECT_LT(d.mean, 1.0) << d;
        EXPECT_LT(d.spread, 0.01) << d;
    }
}
