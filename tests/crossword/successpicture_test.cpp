// The success picture: good.svg scaled to fit its label, centred, drawn
// through the SVG image-format plugin (run at device pixel ratios 1, 1.2, 1.5
// and 2: tests/crossword/CMakeLists.txt).
#include "crossword/crosswordcells.h"

#include "support/svgpicture.h"

#include <QPixmap>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QString kGood = QStringLiteral(":/assets/good.svg");

// The SVG renderer's picture over the label's own background.
QImage expectedShot(ClickLabel& label)
{
    label.setSvg(QString());
    QImage expected = label.grab().toImage();
    label.setSvg(kGood);
    QPainter painter(&expected);
    QSvgRenderer svg(kGood);
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    svg.render(&painter, QRectF(label.rect()));
    return expected;
}

TEST(SuccessPicture, FitsTheLabelCentredFollowsItsSizeAndComesBackAfterHiding)
{
    ClickLabel label(nullptr);
    // The crossword window's label (wider than the picture), then a tall
    // one: the picture is drawn afresh for the new size.
    QImage shown;
    for (const QSize size : {QSize(377, 292), QSize(150, 300)}) {
        SCOPED_TRACE(size.width());
        label.resize(size);
        const QImage expected = expectedShot(label);
        shown = label.grab().toImage();
        const test::PictureDifference d = test::difference(shown, expected);
        ASSERT_TRUE(d.sameSize);
        // Placed on whole device pixels, so its edges may lie up to half a
        // pixel from where the renderer puts them.
        EXPECT_LT(d.mean, 1.5) << d;
        EXPECT_LT(d.spread, 0.04) << d;
    }
    // Hiding lets the picture go; the next paint draws it again.
    label.show();
    label.hide();
    EXPECT_EQ(label.grab().toImage(), shown);
}

} // namespace
