// Form1: the on-screen letter buttons and the answer box.
#include "quiz/form1.h"

#include "ui/fonts.h"

#include <QLineEdit>

namespace lumo {
namespace {
const QColor kNormal(0, 0, 255);
const QColor kNext(255, 0, 0);
const QColor kTyped(128, 128, 0);
} // namespace

void Form1::TextPrintX(const QString& xx, int ido)
{
    QString text = Text2->text();
    const int a = Text2->hasSelectedText() ? Text2->selectionStart() : Text2->cursorPosition();
    if (ido == 1) {
        text.insert(a, xx);
        Text2->setText(text);
        Text2->setFocus();
        Text2->setCursorPosition(a + 1);
    } else if (ido == 0) {
        if (a < text.size()) {
            text.replace(a, 1, xx);
            Text2->setText(text);
        }
        Text2->setFocus();
        Text2->setCursorPosition(a);
    } else if (ido == -1) {
        if (a == 0) {
            Text2->setCursorPosition(0);
            return;
        }
        // Back-step overwrites the character before the caret with a space.
        text.replace(a - 1, 1, xx);
        Text2->setText(text);
        Text2->setFocus();
        Text2->setCursorPosition(a - 1);
    }
}

void Form1::key_Click(int index)
{
    TextPrintX(key[index]->text(), 1);
}
void Form1::Command5_Click()
{
    TextPrintX(QStringLiteral(" "), 1);
}
void Form1::Command4_Click()
{
    TextPrintX(QStringLiteral(" "), -1);
}
void Form1::cmdDEL_Click()
{
    TextPrintX(QString(), 0);
}

void Form1::previewKey(const QString& typed)
{
    // Keys that type no character (Shift, arrows, function keys) are not
    // typed letters: they leave the light and the guide as they are.
    if (typed.isEmpty())
        return;
    if (litKey != 0)
        setColours(key[litKey - 1], kNormal);
    QChar c = typed.at(0);
    if (c >= u'A' && c <= u'z') {
        c = capitalLetters ? c.toUpper() : c.toLower();
        litKey = int(layoutString.indexOf(c)) + 1;
        if (litKey >= 1)
            setColours(key[litKey - 1], kTyped);
    }
}

void Form1::Text2_Change()
{
    nextLetterGuide();
}

// In training form the button of the next letter of the answer turns red and
// the others blue. With no answer to guide to (no question yet, or a pass
// ended) the buttons are left as they are, so the typed-key light shows.
void Form1::nextLetterGuide()
{
    const QString expected = question(english, selectedCount);
    if (questionForm || expected.isEmpty())
        return;
    const QString next = expected.mid(Text2->text().size(), 1).toLower();
    for (QPushButton* button : key)
        setColours(button, !next.isEmpty() && button->text().toLower() == next ? kNext : kNormal);
}

void Form1::cmdmozihenkan_Click()
{
    layoutString = capitalLetters ? layoutString.toLower() : layoutString.toUpper();
    capitalLetters = !capitalLetters;
    Moziinzi();
}

void Form1::mnuButton_Click()
{
    abcLayoutOn = !abcLayoutOn;
    const QString& order = abcLayoutOn ? abcLayout : qwertyLayout;
    layoutString = capitalLetters ? order.toUpper() : order.toLower();
    Moziinzi();
}

void Form1::Moziinzi()
{
    for (int i = 0; i < layoutString.size() && i < int(key.size()); ++i) {
        const QString c = layoutString.mid(i, 1);
        key[i]->setText(capitalLetters ? c.toUpper() : c.toLower());
    }
}

} // namespace lumo
