#include "app/splash.h"

#include "support/fakes.h"
#include "ui/twips.h"

#include <QPointer>

#include <gtest/gtest.h>

using namespace lumo;

TEST(Splash, LoadsOnTheSixthTickAndShowsOnTheEleventhOnce)
{
    test::FixedScreen screen(QSize(800, 600));
    int loads = 0;
    QWidget main;
    QPointer<Form2> splash = new Form2([&] {
        ++loads;
        return &main;
    });
    EXPECT_EQ(splash->windowTitle(), QString(38, u' ') + QStringLiteral("Lumo-English"));
    EXPECT_EQ(splash->size(), QSize(twipsToPixels(6840), twipsToPixels(4860)));
    EXPECT_EQ(splash->pos(), QPoint(twipsToPixels((12000 - 6840) / 2.0), twipsToPixels((9000 - 4860) / 2.0)));
    EXPECT_EQ(splash->Timer1->interval(), 200);
    splash->show();
    for (int tick = 1; tick <= 5; ++tick)
        splash->Timer1_Timer();
    EXPECT_EQ(loads, 0);
    splash->Timer1_Timer();
    EXPECT_EQ(loads, 1);
    for (int tick = 7; tick <= 10; ++tick)
        splash->Timer1_Timer();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(main.isVisible());
    splash->Timer1_Timer();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->Timer1->isActive());
    // Late ticks queued behind a slow start-up change nothing.
    splash->Timer1_Timer();
    EXPECT_EQ(loads, 1);
    delete splash;
}

TEST(Splash, SmallScreenPutsTheWindowAtZeroOnThatAxis)
{
    test::FixedScreen screen(QSize(300, 600));
    Form2 splash([] { return nullptr; });
    EXPECT_EQ(splash.pos().x(), 0);
    EXPECT_EQ(splash.pos().y(), twipsToPixels((9000 - 4860) / 2.0));
}

TEST(Splash, ClosingItEarlyStillOpensTheMainWindowOnce)
{
    test::FixedScreen screen;
    int loads = 0;
    QWidget main;
    auto* splash = new Form2([&] {
        ++loads;
        return &main;
    });
    splash->show();
    splash->Timer1_Timer();
    splash->close();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(main.isVisible());
}
