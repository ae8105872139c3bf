// What the bar chart draws: every point is seen, whatever its value, and a
// share line of a single point still shows.
#include "record/recordcharts.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

using namespace lumo;

namespace {

const QColor kBar(70, 110, 200);
const QColor kShareLine(0, 150, 70);

int pixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

struct DrawnCase {
    const char* what;
    std::vector<ChartPoint> points;
    QColor colour; // must be seen
};

void PrintTo(const DrawnCase& c, std::ostream* os)
{
    *os << c.what;
}

class BarChartDraws : public testing::TestWithParam<DrawnCase> {};

TEST_P(BarChartDraws, EveryPoint)
{
    BarChart chart(QStringLiteral("グラフ"), QStringLiteral("値"));
    chart.resize(400, 220);
    chart.setPoints(GetParam().points, GetParam().colour == kShareLine ? QStringLiteral("割合") : QString());
    const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(pixelsOf(image, GetParam().colour), 4);
    // Within the plot: nothing runs down into the labels under it.
    EXPECT_EQ(pixelsOf(image.copy(0, image.height() - 12, image.width(), 12), kBar), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BarChartDraws,
    testing::Values(DrawnCase{"a score below zero", {{QStringLiteral("12/7"), QString(), -1080, -1, true}}, kBar},
                    DrawnCase{"no characters", {{QStringLiteral("12/7"), QString(), 0, -1, true}}, kBar},
                    DrawnCase{"a first day's share", {{QStringLiteral("12/7"), QString(), 2, 0.5}}, kShareLine},
                    DrawnCase{"one share among days without",
                              {{QStringLiteral("12/6"), QString(), 0, -1}, {QStringLiteral("12/7"), QString(), 2, 1}},
                              kShareLine}));

} // namespace
