#include "crossword/crosswordcells.h"

#include "ui/fonts.h"
#include "ui/keycodes.h"
#include "ui/twips.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace lumo {

CrosswordCell::CrosswordCell(int index, QWidget* parent) : QWidget(parent), m_index(index)
{
    setFocusPolicy(Qt::ClickFocus);
    // Letters go straight into the cell, never through a kana conversion.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
}

void CrosswordCell::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
    emit textChanged(m_index);
}

void CrosswordCell::setTextColour(const QColor& colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    update();
}

void CrosswordCell::setBackColour(const QColor& colour)
{
    if (colour == m_backColour)
        return;
    m_backColour = colour;
    update();
}

void CrosswordCell::setBorder(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    update();
}

void CrosswordCell::setFontSize(int points)
{
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    update();
}

void CrosswordCell::setMarkedWrong(bool wrong)
{
    if (wrong == m_markedWrong)
        return;
    m_markedWrong = wrong;
    setAccessibleDescription(wrong ? QStringLiteral("間違い") : QString());
    update();
}

namespace {

bool isTab(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

// Modifier keys the Windows key codes have no code for.
bool isSystemModifier(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R: return true;
    default: return false;
    }
}

} // namespace

void CrosswordCell::keyPressEvent(QKeyEvent* event)
{
    // Tab leaves the typing position where it is.
    if (isTab(*event) || isSystemModifier(event->key())) {
        event->accept();
        return;
    }
    emit keyDown(m_index, windowsKeyCode(*event));
    // Then the key is typed into this cell as into any text box: a key that
    // produces a printable character adds it (the window has emptied the
    // cell by then, so the cell holds just that character).
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        setText(m_text + typed);
    event->accept();
}

bool CrosswordCell::focusNextPrevChild(bool)
{
    return false;
}

void CrosswordCell::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void CrosswordCell::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
    emit focusLost(m_index, event->reason());
}

void CrosswordCell::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(m_index);
    QWidget::mousePressEvent(event);
}

void CrosswordCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, m_backColour);
    if (m_border) {
        painter.setPen(QColor(64, 64, 64));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0, 96, 255), 2));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
    if (m_text.isEmpty())
        return;
    QFont font = uiFont(Face::Gothic, m_fontSize, true);
    // The letter fills the cell; keep it inside when the font would not fit.
    if (m_fontSize > 8) {
        const int maxPixels = std::max(6, area.height() - 4);
        if (QFontMetrics(font).height() > maxPixels)
            font.setPixelSize(maxPixels * 4 / 5);
    }
    painter.setFont(font);
    painter.setPen(m_textColour);
    QString shown = m_text;
    shown.remove(u'\r');
    const int flags = m_fontSize > 8 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignTop);
    const QRect letter = painter.boundingRect(area.adjusted(2, 0, -1, 0), flags, shown);
    painter.drawText(area.adjusted(2, 0, -1, 0), flags, shown);
    if (m_markedWrong) {
        // A bar under the letter, inside the cell's border.
        const int thickness = std::max(2, area.height() / 14);
        const int y = std::min(letter.bottom() - thickness / 2, area.bottom() - 2 - thickness);
        painter.fillRect(QRect(letter.left(), y, letter.width(), thickness), m_textColour);
    }
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::setSvg(const QString& resource)
{
    m_svg = resource;
    m_picture = QPixmap();
    m_pictureSize = QSize();
    update();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    if (m_svg.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSizeF area = QSizeF(size()) * ratio;
    if (area.toSize() != m_pictureSize) {
        // Drawn afresh for the label's size, in whole device pixels so that
        // it is shown one to one.
        m_pictureSize = area.toSize();
        QImageReader reader(m_svg, "svg");
        reader.setAutoDetectImageFormat(false); // only the SVG plugin, never a scan of every other one
        const QSize own = reader.size();        // empty without the plugin
        const QSize fitted = own.isEmpty() ? QSize() : QSizeF(own).scaled(area, Qt::KeepAspectRatio).toSize();
        m_picture = QPixmap();
        if (!fitted.isEmpty()) {
            reader.setScaledSize(fitted);
            m_picture = QPixmap::fromImage(reader.read());
            m_picture.setDevicePixelRatio(ratio);
            m_pictureOffset =
                QPoint((m_pictureSize.width() - fitted.width()) / 2, (m_pictureSize.height() - fitted.height()) / 2);
        }
    }
    if (m_picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPointF(m_pictureOffset) / ratio, m_picture);
}

void ClickLabel::hideEvent(QHideEvent* event)
{
    m_picture = QPixmap();
    m_pictureSize = QSize();
    QLabel::hideEvent(event);
}

CrosswordSurface::CrosswordSurface(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void CrosswordSurface::setMarks(std::vector<cross::NumberMark> marks)
{
    m_marks = std::move(marks);
    update();
}

void CrosswordSurface::paintEvent(QPaintEvent*)
{
    if (m_marks.empty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Qt::white);
    for (const cross::NumberMark& mark : m_marks) {
        // Printed from its top-left corner, one blank before the number.
        const QPoint at(twipsToPixels(mark.x), twipsToPixels(mark.y));
        painter.drawText(QRect(at, QSize(200, 100)), Qt::AlignLeft | Qt::AlignTop,
                         QLatin1Char(' ') + QString::number(mark.number));
    }
}

} // namespace lumo
