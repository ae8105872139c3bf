// QuizWindow: the on-screen letter buttons and the answer box.
#include "quiz/quizwindow.h"

#include "ui/fonts.h"

#include <QLineEdit>
#include <QPushButton>

namespace lumo {
namespace {
const QColor kNormal(0, 0, 255);
const QColor kNext(255, 0, 0);
const QColor kTyped(128, 128, 0);
} // namespace

// A letter button, SPACE, BS or DEL changes the answer at the caret.
void QuizWindow::editAnswer(LetterAction action, const QString& letter)
{
    const int at = m_answerBox->hasSelectedText() ? m_answerBox->selectionStart() : m_answerBox->cursorPosition();
    const AnswerEdit edit = lumo::editAnswer(m_answerBox->text(), at, action, letter);
    if (edit.textChanged)
        m_answerBox->setText(edit.text);
    if (edit.takesFocus)
        m_answerBox->setFocus();
    m_answerBox->setCursorPosition(edit.caret);
}

// A key typed anywhere in the window lights the letter button it shows.
void QuizWindow::lightTypedKey(const QString& typed)
{
    // Keys that type no character (Shift, arrows, function keys) are not
    // typed letters: they leave the light and the guide as they are.
    if (typed.isEmpty())
        return;
    if (m_litKey != 0)
        setColours(m_letterButtons[m_litKey - 1], kNormal);
    const QChar c = typed.at(0);
    if (c >= u'A' && c <= u'z') {
        m_litKey = m_letters.buttonOfTyped(c) + 1;
        if (m_litKey >= 1)
            setColours(m_letterButtons[m_litKey - 1], kTyped);
    }
}

// In training form the button of the next letter of the answer turns red and
// the others blue. With no answer to guide to (no question yet, or a pass
// ended) the buttons are left as they are, so the typed-key light shows.
void QuizWindow::showNextLetterGuide()
{
    const std::optional<QString> next = m_session.guideLetter(m_answerBox->text());
    if (!next)
        return;
    for (QPushButton* button : m_letterButtons)
        setColours(button, !next->isEmpty() && button->text().toLower() == *next ? kNext : kNormal);
}

void QuizWindow::switchLetterCase()
{
    m_letters.toggleCase();
    showLetters();
}

void QuizWindow::switchLetterOrder()
{
    m_letters.toggleOrder();
    showLetters();
}

void QuizWindow::showLetters()
{
    const QString& letters = m_letters.letters();
    for (int i = 0; i < letters.size() && i < int(m_letterButtons.size()); ++i)
        m_letterButtons[i]->setText(letters.mid(i, 1));
}

} // namespace lumo
