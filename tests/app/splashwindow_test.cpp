#include "app/splashwindow.h"

#include "support/fakes.h"
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
    EXPECT_EQ(splash->size(), QSize(twipsToPixels(6840), twipsToPixels(4860)));
    EXPECT_EQ(splash->pos(), QPoint(twipsToPixels((12000 - 6840) / 2.0), twipsToPixels((9000 - 4860) / 2.0)));
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
    EXPECT_EQ(splash.pos().y(), twipsToPixels((9000 - 4860) / 2.0));
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
