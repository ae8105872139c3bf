#include "ui/noticebar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

namespace lumo {
namespace {

struct Colours {
    QColor background;
    QColor border;
    QColor text;
};

// Pale fills with a darker edge of the same hue, dark text: readable on
// every desktop theme, since the bar sets all three itself.
Colours coloursOf(NoticeBar::Kind kind)
{
    switch (kind) {
    case NoticeBar::Kind::Information: return {QColor(220, 235, 250), QColor(61, 174, 233), QColor(20, 40, 70)};
    case NoticeBar::Kind::Error: return {QColor(250, 220, 220), QColor(218, 68, 83), QColor(110, 0, 0)};
    case NoticeBar::Kind::Warning: break;
    }
    return {QColor(255, 240, 205), QColor(246, 116, 0), QColor(90, 50, 0)};
}

} // namespace

NoticeBar::NoticeBar(QWidget* parent, Kind kind) : QFrame(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("notice"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("noticeText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("noticeClose"));
    m_close->setText(QStringLiteral("×"));
    m_close->setToolTip(QStringLiteral("閉じる"));
    m_close->setAccessibleName(QStringLiteral("お知らせを閉じる"));
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus); // closing the bar never takes the focus from the learner's work
    connect(m_close, &QToolButton::clicked, this, [this] {
        setShown(false);
        emit closed();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->setSpacing(6);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    applyColours();
    hide();
}

void NoticeBar::showNotice(const QString& text)
{
    m_text->setText(text);
    m_text->setAccessibleName(text); // kept to the message, whatever named it before
    setShown(!text.isEmpty());
}

void NoticeBar::addNotice(const QString& text)
{
    if (isHidden() || m_text->text().isEmpty())
        showNotice(text);
    else if (!text.isEmpty())
        showNotice(m_text->text() + u'\n' + text);
}

void NoticeBar::clear()
{
    showNotice(QString());
}

QString NoticeBar::text() const
{
    return m_text->text();
}

void NoticeBar::setKind(Kind kind)
{
    m_kind = kind;
    applyColours();
}

void NoticeBar::setPlacement(Placement placement)
{
    if (placement == m_placement)
        return;
    setShown(false);
    m_placement = placement;
    if (parentWidget() && placement == Placement::BelowControls)
        parentWidget()->installEventFilter(this);
    setShown(!m_text->text().isEmpty());
}

void NoticeBar::setShown(bool shown)
{
    if (m_placement == Placement::Inline || !parentWidget()) {
        setVisible(shown);
        return;
    }
    if (shown) {
        show();
        fitBelowControls();
    } else {
        hide();
        growWindowBy(-m_grownBy);
        m_grownBy = 0;
    }
}

bool NoticeBar::eventFilter(QObject* watched, QEvent* event)
{
    // The parent was laid out or resized: the bar follows its bottom edge.
    if (watched == parentWidget() && event->type() == QEvent::Resize && m_placement == Placement::BelowControls &&
        !isHidden())
        fitBelowControls();
    return QFrame::eventFilter(watched, event);
}

void NoticeBar::fitBelowControls()
{
    QWidget* area = parentWidget();
    const int width = area->width();
    const int height = std::max(minimumSizeHint().height(), heightForWidth(width));
    // The controls end where the parent ended before the window grew.
    const int top = area->height() - m_grownBy;
    const int growth = height - m_grownBy;
    m_grownBy = height; // before growing: the parent's resize comes back here
    setGeometry(0, top, width, height);
    raise();
    growWindowBy(growth);
}

void NoticeBar::growWindowBy(int pixels)
{
    if (pixels == 0)
        return;
    QWidget* w = window();
    const int height = w->height() + pixels;
    if (w->minimumHeight() == w->maximumHeight())
        w->setFixedHeight(height);
    else
        w->resize(w->width(), height);
}

void NoticeBar::applyColours()
{
    const Colours colours = coloursOf(m_kind);
    QPalette p = palette();
    p.setColor(QPalette::Window, colours.background);
    p.setColor(QPalette::WindowText, colours.text);
    // The close button too, whatever the window around the bar uses.
    p.setColor(QPalette::Button, colours.background);
    p.setColor(QPalette::ButtonText, colours.text);
    p.setColor(QPalette::Light, colours.border);
    p.setColor(QPalette::Dark, colours.border);
    p.setColor(QPalette::Mid, colours.border);
    setPalette(p);
}

} // namespace lumo
