#pragma once
// The small puzzle the crossword window tests play on. With every draw 0.5
// the shuffle turns the file order CUP TEA APE CAT into CAT CUP TEA APE, and
// no letter is given:
//
//     C A T # A P E        cells 1 2 3 (4) 5 6 7
//     U . E                cells 13 . 15
//     P . A                cells 25 . 27
//
// CAT and APE across (APE's number cell is 4), CUP and TEA down.
#include "crossword/crosswordwindow.h"
#include "support/fakes.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace lumo::test {

class SmallPuzzleTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("word-1.dat"), QStringLiteral("CUP,カップ\nTEA,お茶\n"));
        folder.write(QStringLiteral("word-2.dat"), QStringLiteral("APE,猿\n"));
        folder.write(QStringLiteral("word-3.dat"), QStringLiteral("CAT,猫\n"));
        platform.random.values.assign(4000, 0.5f);
    }

    // The window, shown and active, so focus moves are real.
    static std::unique_ptr<CrosswordWindow> open()
    {
        auto w = std::make_unique<CrosswordWindow>();
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    Platform platform;
    TempProgramFolder folder;
};

} // namespace lumo::test
