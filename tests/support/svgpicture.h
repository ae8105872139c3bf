#pragma once
// What a window shows of an SVG picture, against the picture drawn straight
// from the SVG with Qt's SVG renderer. A test including this links Qt6::Svg.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace lumo::test {

// The SVG drawn over `background` into `target` (logical pixels) of an image
// of `size` logical pixels at the device pixel ratio `ratio`.
inline QImage drawnSvg(const QString& resource, QSize size, qreal ratio, const QColor& background, const QRectF& target,
                       Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QSvgRenderer svg(resource);
    svg.setAspectRatioMode(mode);
    QPainter painter(&image);
    svg.render(&painter, target);
    return image;
}

// How far two pictures are apart, channel by channel (alpha included).
struct PictureDifference {
    bool sameSize = false;
    int largest = 0;   // the largest difference in one channel, 0..255
    double mean = 0;   // the mean difference over every channel of every pixel
    double spread = 0; // the share of pixels with a channel more than 32 apart
};

inline PictureDifference difference(const QImage& shown, const QImage& expected)
{
    PictureDifference d;
    d.sameSize = shown.size() == expected.size();
    if (!d.sameSize || shown.isNull())
        return d;
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    long long sum = 0, far = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int channels[4] = {std::abs(qRed(ra[x]) - qRed(rb[x])), std::abs(qGreen(ra[x]) - qGreen(rb[x])),
                                     std::abs(qBlue(ra[x]) - qBlue(rb[x])), std::abs(qAlpha(ra[x]) - qAlpha(rb[x]))};
            const int most = *std::max_element(channels, channels + 4);
            d.largest = std::max(d.largest, most);
            sum += channels[0] + channels[1] + channels[2] + channels[3];
            far += most > 32;
        }
    }
    const double pixels = double(a.width()) * a.height();
    d.mean = double(sum) / (pixels * 4);
    d.spread = double(far) / pixels;
    return d;
}

inline std::ostream& operator<<(std::ostream& out, const PictureDifference& d)
{
    if (!d.sameSize)
        return out << "pictures of different sizes";
    return out << "largest " << d.largest << ", mean " << d.mean << ", " << d.spread * 100 << " % of pixels far apart";
}

// Whether the device pixel ratio lets a picture drawn for 1 or 2 be shown
// one to one.
inline bool wholeRatio(qreal ratio)
{
    return ratio == 1 || ratio == 2;
}

} // namespace lumo::test
