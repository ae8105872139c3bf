#include "ui/desktopstyle.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

QImage arrow(QStyle::StandardPixmap which)
{
    DesktopStyle style;
    return style.standardIcon(which).pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

int inkAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

} // namespace

// The menu bar's extension arrows are drawn in code: two chevrons pointing
// right, mirror-symmetric top to bottom, and the same turned a quarter for
// the downward one.
TEST(DesktopStyle, ExtensionArrowsAreTwoSymmetricChevronsTurnedForTheDownwardOne)
{
    const QImage right = arrow(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage down = arrow(QStyle::SP_ToolBarVerticalExtensionButton);
    ASSERT_EQ(right.size(), QSize(32, 32));
    ASSERT_EQ(down.size(), QSize(32, 32));

    int ink = 0, rowsWithInk = 0;
    for (int y = 0; y < 32; ++y) {
        bool rowHasInk = false;
        for (int x = 0; x < 32; ++x) {
            ink += inkAt(right, x, y);
            rowHasInk |= inkAt(right, x, y) > 0;
            EXPECT_NEAR(inkAt(right, x, y), inkAt(right, x, 31 - y), 8) << x << "," << y;
            EXPECT_NEAR(inkAt(down, 31 - y, x), inkAt(right, x, y), 8) << x << "," << y;
        }
        rowsWithInk += rowHasInk;
    }
    EXPECT_GT(ink, 255 * 40) << "the chevrons are filled";
    EXPECT_GT(rowsWithInk, 12) << "from about 4.5 to 11.5 logical pixels, at twice the size";
    // The middle row crosses both chevrons: two separate runs of ink.
    int runs = 0;
    for (int x = 1; x < 32; ++x)
        runs += inkAt(right, x, 16) > 128 && inkAt(right, x - 1, 16) <= 128;
    EXPECT_EQ(runs, 2);
}
