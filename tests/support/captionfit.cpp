#include "support/captionfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace lumo::test {
namespace {

// The text as drawn: "&&" is an ampersand, a single "&" marks the access key.
QString shownText(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The height the text takes: its lines' spacing, the last line by its ink
// (a capital needs no room below the baseline).
int inkHeight(const QFontMetrics& metrics, const QString& text)
{
    const QStringList lines = text.split(u'\n');
    return metrics.lineSpacing() * static_cast<int>(lines.size() - 1) +
           metrics.tightBoundingRect(lines.last()).height();
}

void checkButton(const QAbstractButton* button, std::vector<CutCaption>& cuts)
{
    const QString text = shownText(button->text());
    if (text.trimmed().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    if (button->property("wrapsCaption").toBool()) {
        // Wrapped between any two characters: only the height can run out.
        const int tall = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWrapAnywhere, text).height();
        if (tall > room.height())
            cuts.push_back({button->objectName(), text, QStringLiteral("tall"), tall, room.height()});
        return;
    }
    const int wide = widestLine(metrics, text);
    if (wide > room.width())
        cuts.push_back({button->objectName(), text, QStringLiteral("wide"), wide, room.width()});
    const int tall = inkHeight(metrics, text);
    if (tall > room.height())
        cuts.push_back({button->objectName(), text, QStringLiteral("tall"), tall, room.height()});
}

void checkLabel(const QLabel* label, std::vector<CutCaption>& cuts)
{
    if (label->text().trimmed().isEmpty() || !label->pixmap().isNull())
        return;
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    // With a buddy a single "&" marks the access key, as on a button.
    QString text = label->buddy() && !rich ? shownText(label->text()) : label->text();
    if (rich) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    const int margin = label->margin() * 2 + std::max(label->indent(), 0);
    const QRect room = label->contentsRect().adjusted(0, 0, -margin, -label->margin() * 2);
    const QFontMetrics metrics = label->fontMetrics();
    if (label->wordWrap()) {
        const int tall = label->heightForWidth(label->width());
        if (tall > label->height())
            cuts.push_back({label->objectName(), text, QStringLiteral("tall"), tall, label->height()});
        return;
    }
    const int wide = widestLine(metrics, text);
    if (wide > room.width())
        cuts.push_back({label->objectName(), text, QStringLiteral("wide"), wide, room.width()});
    const int tall = inkHeight(metrics, text);
    if (tall > room.height())
        cuts.push_back({label->objectName(), text, QStringLiteral("tall"), tall, room.height()});
}

} // namespace

std::vector<CutCaption> cutCaptions(const QWidget* window)
{
    std::vector<CutCaption> cuts;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window) || child->width() <= 0)
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            checkButton(button, cuts);
        else if (const auto* label = qobject_cast<const QLabel*>(child))
            checkLabel(label, cuts);
    }
    return cuts;
}

QString describe(const std::vector<CutCaption>& cuts)
{
    QStringList lines;
    for (const CutCaption& cut : cuts)
        lines.append(QStringLiteral("%1 \"%2\": too %3, needs %4 px, has %5")
                         .arg(cut.objectName, cut.text, cut.what)
                         .arg(cut.needed)
                         .arg(cut.available));
    return lines.join(u'\n');
}

} // namespace lumo::test
