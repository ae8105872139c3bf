// The bar chart shows every point: a value below 0 or of 0 inside the plot,
// and a share line of a single point.
#include "record/recordcharts.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(BarChart, DrawsEveryPointInsideThePlot)
{
    for (const double value : {-1080.0, 0.0}) {
        lumo::BarChart chart(QStringLiteral("得点"), QStringLiteral("点"));
        chart.resize(400, 220);
        chart.setPoints({{QStringLiteral("12/7"), QString(), value, 0.5, true}}, QStringLiteral("割合"));
        const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto pixels = [&image](QRgb colour, int fromRow) {
            const auto* first = reinterpret_cast<const QRgb*>(image.constScanLine(fromRow));
            return std::count(first, first + image.width() * (image.height() - fromRow), colour);
        };
        EXPECT_GT(pixels(qRgb(70, 110, 200), 0), 4) << value;
        EXPECT_EQ(pixels(qRgb(70, 110, 200), image.height() - 12), 0) << "not into the labels under the plot";
        EXPECT_GT(pixels(qRgb(0, 150, 70), 0), 4) << "a single share is a dot";
    }
}
