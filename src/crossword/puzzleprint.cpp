#include "crossword/puzzleprint.h"

#include "ui/fonts.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace lumo::cross {

namespace {

constexpr double kMarginMm = 15.0;
constexpr double kGridWidthMm = 132.0; // the 12 cells, 11 mm each
constexpr int kTwipsAround = 300;      // room left of and above the grid for numbers printed outside it

// Millimetres and twips to device pixels of one page.
class PageScale {
  public:
    PageScale(const QPaintDevice& device, const Crossword& grid)
        : m_dotsPerMm(device.logicalDpiX() / 25.4), m_template(grid.templateCell())
    {
        m_dotsPerTwip = kGridWidthMm * m_dotsPerMm / (kGridSize * m_template.width);
    }
    double mm(double millimetres) const { return millimetres * m_dotsPerMm; }
    // A window position in twips, with the grid's top left `gridOrigin` on the page.
    QPointF at(double x, double y, QPointF gridOrigin) const
    {
        return gridOrigin + QPointF((x - m_template.left) * m_dotsPerTwip, (y - m_template.top) * m_dotsPerTwip);
    }
    QRectF rect(const TwipsRect& r, QPointF gridOrigin) const
    {
        return {at(r.left, r.top, gridOrigin), QSizeF(r.width * m_dotsPerTwip, r.height * m_dotsPerTwip)};
    }
    double twips(double t) const { return t * m_dotsPerTwip; }

  private:
    double m_dotsPerMm;
    double m_dotsPerTwip = 1;
    TwipsRect m_template;
};

QFont font(double points, bool bold = false)
{
    return uiFont(Face::Gothic, points, bold);
}

// The title line; returns the height it took.
double drawTitle(QPainter& p, const PageScale& s, double width, const QString& title)
{
    p.setFont(font(16, true));
    p.setPen(Qt::black);
    const QRectF titleRect(0, 0, width, s.mm(10));
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font(10.5));
    p.drawText(titleRect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("名前：　　　　　　　　　　"));
    return s.mm(14);
}

// The grid as the window shows it, its left edge at `left`: letter cells as
// boxes (with their letters when `solved`), every other square dark as the
// window's background is, number cells black with their numbers, numbers of
// words at the top and left edges beside the grid. Returns the height it took.
double drawGrid(QPainter& p, const PageScale& s, const Crossword& grid, double top, double left, bool solved)
{
    const QPointF origin(left + s.twips(kTwipsAround), top + s.twips(kTwipsAround));
    const QFont letterFont = font(15, true);
    const QFont numberFont = font(7, true);

    // On the window a number cell covers the number printed under it, so
    // only the numbers of words starting at the grid's edge are seen, beside
    // the grid; those are the ones printed.
    p.setPen(Qt::black);
    p.setFont(numberFont);
    const QFontMetricsF metrics(numberFont, p.device());
    const TwipsRect t = grid.templateCell();
    for (const NumberMark& mark : grid.numberMarks())
        if (mark.x < t.left || mark.y < t.top)
            p.drawText(s.at(mark.x, mark.y, origin) + QPointF(0, metrics.ascent()), QString::number(mark.number));

    // A number cell is smaller than its square, so the square is filled first;
    // left white, an enclosed square would read as one to fill in.
    for (int k = 1; k <= kCellCount; ++k) {
        if (grid.answerChar(rowOf(k), colOf(k)) == u"*") {
            const TwipsRect square{t.left + (colOf(k) - 1) * t.width, t.top + (rowOf(k) - 1) * t.height, t.width,
                                   t.height};
            const double seam = s.mm(0.05); // neighbouring squares overlap, so no hairline shows between them
            p.fillRect(s.rect(square, origin).adjusted(-seam, -seam, seam, seam), Qt::black);
        }
    }
    for (int k = 1; k <= kCellCount; ++k) {
        const CellLook& look = grid.cell(k);
        const QString solution = grid.answerChar(rowOf(k), colOf(k));
        const QRectF box = s.rect(look.rect, origin);
        if (look.numberCell) {
            p.fillRect(box, Qt::black);
            p.setPen(Qt::white);
            p.setFont(numberFont);
            p.drawText(box, Qt::AlignCenter, look.text);
        } else if (solution != u"*") {
            p.fillRect(box, Qt::white);
            p.setPen(QPen(Qt::black, s.mm(0.3)));
            p.drawRect(box);
            if (solved) {
                p.setFont(letterFont);
                p.drawText(box, Qt::AlignCenter, solution);
            }
        }
    }
    return s.twips(kTwipsAround + kGridSize * grid.templateCell().height) + s.mm(8);
}

struct Column {
    QString heading;
    QStringList lines;
};

Column numbered(const Crossword& grid, Direction direction, bool answers)
{
    Column column;
    const bool across = direction == Direction::Across;
    column.heading = answers ? (across ? QStringLiteral("横の答え") : QStringLiteral("縦の答え"))
                             : (across ? QStringLiteral("横のカギ") : QStringLiteral("縦のカギ"));
    const int count = across ? grid.yokoCount() : grid.tateCount();
    for (int k = 1; k <= count; ++k) {
        const QString& text = answers ? (across ? grid.acrossAnswer(k) : grid.downAnswer(k))
                                      : (across ? grid.acrossClue(k) : grid.downClue(k));
        column.lines.append(QStringLiteral("%1, %2").arg(k).arg(text));
    }
    return column;
}

double columnHeight(QPainter& p, const Column& column, double width, double points)
{
    p.setFont(font(points, true));
    double height = p.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, column.heading).height() * 1.3;
    p.setFont(font(points));
    for (const QString& line : column.lines)
        height += p.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, line).height();
    return height;
}

void drawColumn(QPainter& p, const Column& column, QRectF area, double points)
{
    p.setPen(Qt::black);
    p.setFont(font(points, true));
    QRectF used;
    p.drawText(area, Qt::TextWordWrap, column.heading, &used);
    double y = area.top() + used.height() * 1.3;
    p.setFont(font(points));
    for (const QString& line : column.lines) {
        const QRectF lineArea(area.left(), y, area.width(), area.bottom() - y);
        p.drawText(lineArea, Qt::TextWordWrap, line, &used);
        y += used.height();
    }
}

// Across on the left, down on the right, the type made smaller until the
// longer list fits the space left on the page.
void drawColumns(QPainter& p, const PageScale& s, const Column& left, const Column& right, QRectF area)
{
    const double gap = s.mm(6);
    const double width = (area.width() - gap) / 2;
    double points = 10.5;
    while (points > 5 &&
           std::max(columnHeight(p, left, width, points), columnHeight(p, right, width, points)) > area.height())
        points -= 0.5;
    drawColumn(p, left, QRectF(area.left(), area.top(), width, area.height()), points);
    drawColumn(p, right, QRectF(area.left() + width + gap, area.top(), width, area.height()), points);
}

void drawPage(QPainter& p, const Crossword& grid, bool solved)
{
    const QPaintDevice& device = *p.device();
    const PageScale s(device, grid);
    const double width = device.width();
    double y = drawTitle(p, s, width,
                         solved ? QStringLiteral("クロスワードパズル　解答") : QStringLiteral("クロスワードパズル"));
    const double gridWidth = s.twips(kTwipsAround + kGridSize * grid.templateCell().width);
    y += drawGrid(p, s, grid, y, (width - gridWidth) / 2, solved);
    const QRectF rest(0, y, width, device.height() - y);
    drawColumns(p, s, numbered(grid, Direction::Across, solved), numbered(grid, Direction::Down, solved), rest);
}

} // namespace

bool paintPuzzle(QPagedPaintDevice& device, const Crossword& grid)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    drawPage(painter, grid, false);
    if (!device.newPage())
        return false;
    drawPage(painter, grid, true);
    return painter.end();
}

QPageLayout puzzlePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

WriteResult savePuzzlePdf(const QString& path, const Crossword& grid)
{
    const auto failed = [&path](const QString& reason) {
        return WriteResult{false, QStringLiteral("ファイル「%1」に書き込めません。（%2）").arg(path, reason)};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(puzzlePageLayout());
        writer.setResolution(600);
        writer.setTitle(kPuzzleDocumentName);
        writer.setCreator(QStringLiteral("Lumo-English"));
        if (!paintPuzzle(writer, grid)) {
            file.cancelWriting();
            return failed(QStringLiteral("PDF を作れませんでした"));
        }
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace lumo::cross
