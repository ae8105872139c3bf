#include "record/recordcharts.h"

#include "typing/keyboard.h"
#include "ui/fonts.h"

#include <QDate>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace lumo {
namespace {

const QColor kBar(70, 110, 200);
const QColor kBarHovered(240, 140, 40);
const QColor kShareLine(0, 150, 70);
const QColor kAxis(90, 90, 90);
const QColor kGrid(225, 225, 225);

// A round step for about four grid lines up to `top`.
double niceStep(double top)
{
    if (top <= 0)
        return 1;
    const double raw = top / 4;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * magnitude)
            return m * magnitude;
    return 10 * magnitude;
}

QString number(double v)
{
    return v == std::floor(v) ? QString::number(qint64(v)) : QString::number(v, 'f', 1);
}

// The text under the mouse, in a box that stays inside the widget.
void drawHoverText(QPainter& p, const QRect& bounds, QPoint at, const QString& text)
{
    const QFontMetrics fm(p.font());
    QRect box = fm.boundingRect(QRect(0, 0, 400, 200), Qt::TextWordWrap, text).adjusted(-6, -4, 6, 4);
    box.moveTopLeft(at + QPoint(12, -box.height() - 4));
    if (box.right() > bounds.right())
        box.moveRight(at.x() - 12);
    if (box.top() < bounds.top())
        box.moveTop(at.y() + 16);
    p.setPen(kAxis);
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(box);
    p.drawText(box.adjusted(6, 4, -6, -4), Qt::TextWordWrap, text);
}

} // namespace

// --- BarChart ----------------------------------------------------------------

BarChart::BarChart(const QString& title, const QString& valueAxis, QWidget* parent)
    : QWidget(parent), m_title(title), m_valueAxis(valueAxis)
{
    setFont(uiFont(Face::Gothic, 9));
    setMouseTracking(true);
    setMinimumSize(360, 180);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BarChart::setPoints(std::vector<ChartPoint> points, const QString& shareAxis)
{
    m_points = std::move(points);
    m_shareAxis = shareAxis;
    m_hovered = -1;
    update();
}

QRect BarChart::plotArea() const
{
    const int fontHeight = fontMetrics().height();
    return rect().adjusted(48, fontHeight * 2 + 14, m_shareAxis.isEmpty() ? -12 : -44, -(fontHeight + 10));
}

int BarChart::pointAt(QPoint position) const
{
    const QRect area = plotArea();
    if (m_points.empty() || !area.contains(position))
        return -1;
    const int index = int((position.x() - area.left()) * double(m_points.size()) / area.width());
    return std::clamp(index, 0, int(m_points.size()) - 1);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area = plotArea();
    const QFontMetrics fm = fontMetrics();

    p.setPen(Qt::black);
    p.drawText(QRect(0, 2, width(), fm.height()), Qt::AlignHCenter, m_title);
    p.setPen(kAxis);
    p.drawText(QRect(4, fm.height() + 4, 200, fm.height()), Qt::AlignLeft, m_valueAxis);
    if (!m_shareAxis.isEmpty())
        p.drawText(QRect(width() - 204, fm.height() + 4, 200, fm.height()), Qt::AlignRight, m_shareAxis);

    // The axis runs from 0, or the lowest value below it, to the highest.
    double top = 0;
    double bottom = 0;
    for (const ChartPoint& point : m_points) {
        top = std::max(top, point.value);
        bottom = std::min(bottom, point.value);
    }
    const double step = niceStep(top - bottom);
    const double axisBottom = std::floor(bottom / step) * step;
    const double axisTop = std::max(axisBottom + step, std::ceil(top / step) * step);
    const auto yOf = [&area, axisBottom, axisTop](double v) {
        return area.bottom() - (v - axisBottom) / (axisTop - axisBottom) * area.height();
    };

    // Grid lines with their values on the left axis (and percentages on the right).
    const int lines = int(std::lround((axisTop - axisBottom) / step));
    for (int line = 0; line <= lines; ++line) {
        const double v = axisBottom + line * step;
        const int y = int(yOf(v));
        p.setPen(kGrid);
        p.drawLine(area.left(), y, area.right(), y);
        p.setPen(kAxis);
        p.drawText(QRect(0, y - fm.height() / 2, area.left() - 4, fm.height()), Qt::AlignRight, number(v));
    }
    if (!m_shareAxis.isEmpty())
        for (int percent = 0; percent <= 100; percent += 25) {
            const int y = area.bottom() - percent * area.height() / 100;
            p.drawText(QRect(area.right() + 4, y - fm.height() / 2, 40, fm.height()), Qt::AlignLeft,
                       QString::number(percent) + u'%');
        }
    const double zero = yOf(0);
    p.drawLine(QPointF(area.left(), zero), QPointF(area.right(), zero));
    p.drawLine(area.bottomLeft(), area.topLeft());

    if (m_points.empty()) {
        p.drawText(area, Qt::AlignCenter, QStringLiteral("記録はまだありません"));
        return;
    }
    const double slot = double(area.width()) / double(m_points.size());
    // Labels: as many as fit without overlapping.
    int widest = 0;
    for (const ChartPoint& point : m_points)
        widest = std::max(widest, fm.horizontalAdvance(point.label));
    const int every = std::max(1, int(std::ceil((widest + 8) / slot)));
    QPainterPath shareLine;
    std::vector<QPointF> shares;
    for (int i = 0; i < int(m_points.size()); ++i) {
        const ChartPoint& point = m_points[i];
        const double x = area.left() + slot * i;
        const double end = yOf(point.value);
        QRectF bar(x + slot * 0.15, std::min(zero, end), slot * 0.7, std::abs(end - zero));
        if (point.markZero && bar.height() < 2)
            bar = QRectF(bar.left(), zero - 2, bar.width(), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(i == m_hovered ? kBarHovered : kBar);
        p.drawRect(bar);
        if (i % every == 0) {
            p.setPen(kAxis);
            p.drawText(QRectF(x + slot / 2 - 60, area.bottom() + 3, 120, fm.height()), Qt::AlignHCenter, point.label);
        }
        if (point.share >= 0) {
            const QPointF at(x + slot / 2, area.bottom() - point.share * area.height());
            if (shares.empty())
                shareLine.moveTo(at);
            else
                shareLine.lineTo(at);
            shares.push_back(at);
        }
    }
    // The line through the shares, with a dot at each: a single share is a dot.
    p.setPen(QPen(kShareLine, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shareLine);
    p.setPen(QPen(Qt::white, 1)); // seen on a bar too
    p.setBrush(kShareLine);
    for (const QPointF& at : shares)
        p.drawEllipse(at, 4, 4);
    if (m_hovered >= 0) {
        const ChartPoint& point = m_points[m_hovered];
        const QPoint at(int(area.left() + slot * (m_hovered + 0.5)), int(yOf(point.value)));
        drawHoverText(p, rect(), at, point.detail);
    }
}

void BarChart::mouseMoveEvent(QMouseEvent* event)
{
    const int index = pointAt(event->position().toPoint());
    if (index != m_hovered) {
        m_hovered = index;
        update();
    }
}

void BarChart::leaveEvent(QEvent*)
{
    m_hovered = -1;
    update();
}

// --- CalendarChart -------------------------------------------------------------

CalendarChart::CalendarChart(QWidget* parent) : QWidget(parent)
{
    setFont(uiFont(Face::Gothic, 8));
    setMouseTracking(true);
    setMinimumSize(420, 130);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CalendarChart::setDays(std::vector<Day> days)
{
    m_days = std::move(days);
    m_maxAnswers = 0;
    for (const Day& d : m_days)
        m_maxAnswers = std::max(m_maxAnswers, d.answers);
    m_hovered = -1;
    update();
}

// Columns are weeks from Monday, rows the days of the week.
QRect CalendarChart::cellOf(int index) const
{
    const int firstWeekday = m_days.empty() ? 0 : m_days.front().date.dayOfWeek() - 1; // 0 = Monday
    const int position = index + firstWeekday;
    const int weeks = (int(m_days.size()) + firstWeekday + 6) / 7;
    const int left = 28, top = fontMetrics().height() + 6;
    const int size = std::max(4, std::min((width() - left - 8) / std::max(weeks, 1), (height() - top - 6) / 7));
    return QRect(left + (position / 7) * size, top + (position % 7) * size, size - 2, size - 2);
}

void CalendarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    p.setPen(kAxis);
    // Monday, Wednesday, Friday and Sunday named beside their rows.
    static const char16_t* const kWeekdays[] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
    const int firstWeekday = m_days.empty() ? 0 : m_days.front().date.dayOfWeek() - 1;
    for (int row = 0; row < 7; row += 2) {
        const QRect cell = cellOf(row - firstWeekday + 7); // a cell of that row in the second week
        p.drawText(QRect(2, cell.top(), 24, cell.height()), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf16(kWeekdays[row]));
    }
    int lastMonth = -1;
    for (int i = 0; i < int(m_days.size()); ++i) {
        const Day& d = m_days[i];
        const QRect cell = cellOf(i);
        if (d.date.month() != lastMonth && d.date.day() <= 7) {
            p.setPen(kAxis);
            p.drawText(QRect(cell.left(), 2, 60, fm.height()), Qt::AlignLeft,
                       QString::number(d.date.month()) + QStringLiteral("月"));
            lastMonth = d.date.month();
        }
        QColor shade(235, 235, 235);
        if (d.answers > 0) {
            // Four shades of green by the share of the busiest day.
            const int level = std::min(3, int(4.0 * d.answers / std::max(m_maxAnswers, 1) - 1e-9));
            static const QColor kShades[] = {{190, 230, 180}, {120, 200, 110}, {50, 150, 60}, {20, 90, 30}};
            shade = kShades[std::max(level, 0)];
        }
        p.setPen(i == m_hovered ? QPen(Qt::black, 2) : Qt::NoPen);
        p.setBrush(shade);
        p.drawRect(cell);
    }
    if (m_hovered >= 0) {
        const Day& d = m_days[m_hovered];
        drawHoverText(p, rect(), cellOf(m_hovered).center(),
                      d.date.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral("　回答 %1").arg(d.answers));
    }
}

void CalendarChart::mouseMoveEvent(QMouseEvent* event)
{
    int found = -1;
    for (int i = 0; i < int(m_days.size()) && found < 0; ++i)
        if (cellOf(i).adjusted(0, 0, 2, 2).contains(event->position().toPoint()))
            found = i;
    if (found != m_hovered) {
        m_hovered = found;
        update();
    }
}

void CalendarChart::leaveEvent(QEvent*)
{
    m_hovered = -1;
    update();
}

// --- KeyboardChart -------------------------------------------------------------

KeyboardChart::KeyboardChart(QWidget* parent) : QWidget(parent)
{
    setFont(uiFont(Face::Gothic, 10, true));
    setMouseTracking(true);
    setMinimumSize(420, 170);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void KeyboardChart::setKeys(std::map<QChar, Key> keys)
{
    m_keys = std::move(keys);
    update();
}

// The keys stand where the trainer draws them, scaled to the widget.
QRectF KeyboardChart::keyRect(int index) const
{
    static const typing::KeyboardLayout layout;
    const QRect first = layout.picture(1);
    const QRect last = layout.picture(typing::kKeyCount);
    const QRectF all(first.topLeft(), last.bottomRight());
    const double scale = std::min((width() - 16) / all.width(), (height() - 16) / all.height());
    const QRect key = layout.picture(index);
    return QRectF(8 + (key.left() - all.left()) * scale, 8 + (key.top() - all.top()) * scale, key.width() * scale - 3,
                  key.height() * scale - 3);
}

void KeyboardChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (int index = 1; index <= typing::kKeyCount; ++index) {
        const QChar c = typing::keyChars.at(index - 1);
        const auto found = m_keys.find(c);
        const double rate = found == m_keys.end() || found->second.presses == 0
                                ? 0.0
                                : double(found->second.errors) / found->second.presses;
        // White for no errors to full red at a quarter of the presses missed.
        const int fade = int(255 * (1.0 - std::min(rate * 4, 1.0)));
        const QRectF r = keyRect(index);
        p.setPen(QPen(index == m_hovered ? Qt::black : kAxis, index == m_hovered ? 2 : 1));
        p.setBrush(QColor(255, fade, fade));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(rate > 0.15 ? Qt::white : Qt::black);
        p.drawText(r, Qt::AlignCenter, QString(c));
    }
    if (m_hovered > 0) {
        const QChar c = typing::keyChars.at(m_hovered - 1);
        const auto found = m_keys.find(c);
        QString text = QStringLiteral("「%1」キー").arg(c);
        if (found == m_keys.end() || found->second.presses == 0) {
            text += QStringLiteral("\nまだ打っていません");
        } else {
            const Key& k = found->second;
            text += QStringLiteral("\n%1 回中 %2 回ミス（%3%）")
                        .arg(k.presses)
                        .arg(k.errors)
                        .arg(QString::number(100.0 * k.errors / k.presses, 'f', 1));
            if (!k.instead.isNull())
                text += QStringLiteral("\nよく代わりに押すキー: %1")
                            .arg(k.instead == u' ' ? QStringLiteral("スペース") : QString(k.instead));
        }
        drawHoverText(p, rect(), keyRect(m_hovered).center().toPoint(), text);
    }
}

void KeyboardChart::mouseMoveEvent(QMouseEvent* event)
{
    int found = 0;
    for (int index = 1; index <= typing::kKeyCount && !found; ++index)
        if (keyRect(index).contains(event->position()))
            found = index;
    if (found != m_hovered) {
        m_hovered = found;
        update();
    }
}

void KeyboardChart::leaveEvent(QEvent*)
{
    m_hovered = 0;
    update();
}

bool savePng(QWidget* chart, const QString& path)
{
    return chart->grab().save(path, "PNG");
}

} // namespace lumo
