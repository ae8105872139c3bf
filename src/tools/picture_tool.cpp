// Build tool: draws an SVG picture into pixels once, when the program is
// built, so that the program itself needs no SVG renderer to show it.
// Usage: lumo-picture SVG WIDTH HEIGHT HEADER NAME TARGET
// Draws SVG over white at WIDTH × HEIGHT pixels and at twice that (as a
// window at a device pixel ratio of 2 draws it), and writes TARGET, a C++
// source that includes HEADER and defines `lumo::NAME`, an array of two
// `lumo::PackedPicture` (HEADER declares both): the two pictures as
// Format_RGB32 pixels packed with qCompress.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// The picture as a window draws it: a white background, then the SVG
// stretched over WIDTH × HEIGHT logical pixels.
QImage draw(QSvgRenderer& svg, QSize size, int ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QByteArray packed(const QImage& image)
{
    // Rows of a 32-bit image carry no padding: the pixels are one block.
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return qCompress(pixels, 9);
}

QByteArray asArray(const QByteArray& bytes)
{
    QByteArray text;
    text.reserve(bytes.size() * 4);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        text += QByteArray::number(static_cast<unsigned char>(bytes[i]));
        text += (i % 24 == 23) ? ",\n" : ",";
    }
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is opened; the offscreen platform keeps the tool working
    // without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "usage: lumo-picture SVG WIDTH HEIGHT HEADER NAME TARGET\n");
        return 2;
    }
    bool widthOk = false, heightOk = false;
    const QSize size(args[2].toInt(&widthOk), args[3].toInt(&heightOk));
    if (!widthOk || !heightOk || size.isEmpty()) {
        std::fprintf(stderr, "lumo-picture: bad size %s × %s\n", qPrintable(args[2]), qPrintable(args[3]));
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a readable SVG picture\n", qPrintable(args[1]));
        return 1;
    }

    QByteArray source = "// Drawn from " + QFileInfo(args[1]).fileName().toUtf8() +
                        " by lumo-picture when the program was built; do not edit.\n"
                        "#include \"" +
                        args[4].toUtf8() + "\"\n\nnamespace {\n";
    QByteArray entries;
    for (int ratio : {1, 2}) {
        const QImage image = draw(svg, size, ratio);
        const QByteArray bytes = packed(image);
        const QByteArray array = "packed" + QByteArray::number(ratio) + "x";
        source += "const unsigned char " + array + "[] = {\n" + asArray(bytes) + "};\n";
        entries += "    {" + array + ", sizeof " + array + ", " + QByteArray::number(image.width()) + ", " +
                   QByteArray::number(image.height()) + "},\n";
    }
    source += "} // namespace\n\nnamespace lumo {\n\nextern const PackedPicture " + args[5].toUtf8() + "[2] = {\n" +
              entries + "};\n\n} // namespace lumo\n";

    // Written whole or not at all: a failed build leaves no half source behind.
    QSaveFile target(args[6]);
    if (!target.open(QIODevice::WriteOnly) || target.write(source) != source.size() || !target.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(args[6]));
        return 1;
    }
    return 0;
}
