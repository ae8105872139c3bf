#include "quiz/quizlogic.h"

#include "base/random.h"
#include "base/strings.h"

#include <limits>

namespace lumo {

bool answerMatches(const QString& typed, const QString& expected)
{
    return trimSpaces(typed).toUpper() == trimSpaces(expected).toUpper();
}

std::optional<int> numberedChoice(const QString& replyAsTyped)
{
    // With the input method on, a reply comes in full-width form (２, ．,
    // the ideographic space): read it as the same number.
    const QString reply = replyAsTyped.normalized(QString::NormalizationForm_KC);
    // The leading numeric part: spaces, an optional sign, digits, one point.
    qsizetype i = 0;
    const qsizetype n = reply.size();
    while (i < n && (reply.at(i) == u' ' || reply.at(i) == u'\t'))
        ++i;
    QString number;
    if (i < n && (reply.at(i) == u'+' || reply.at(i) == u'-'))
        number += reply.at(i++);
    bool point = false, digits = false;
    for (; i < n; ++i) {
        const QChar c = reply.at(i);
        if (c >= u'0' && c <= u'9') {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return roundHalfEven(value);
}

AnswerEdit editAnswer(const QString& text, int at, LetterAction action, const QString& letter)
{
    AnswerEdit edit{text, at, false, false};
    switch (action) {
    case LetterAction::Insert:
        edit.text.insert(at, letter);
        edit.caret = at + 1;
        edit.textChanged = edit.takesFocus = true;
        break;
    case LetterAction::Overwrite:
        if (at < text.size()) {
            edit.text.replace(at, 1, letter);
            edit.textChanged = true;
        }
        edit.takesFocus = true;
        break;
    case LetterAction::BackStep:
        // Back-step overwrites the character before the caret with a space.
        if (at > 0) {
            edit.text.replace(at - 1, 1, letter);
            edit.caret = at - 1;
            edit.textChanged = edit.takesFocus = true;
        }
        break;
    }
    return edit;
}

namespace {
const QString kKeyboardOrder = QStringLiteral("QWERTYUIOPASDFGHJKL;:ZXCVBNM,.?");
const QString kAlphabeticalOrder = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ;:,.?");
} // namespace

void LetterLayout::toggleCase()
{
    m_letters = m_capitals ? m_letters.toLower() : m_letters.toUpper();
    m_capitals = !m_capitals;
}

void LetterLayout::toggleOrder()
{
    m_alphabetical = !m_alphabetical;
    const QString& order = m_alphabetical ? kAlphabeticalOrder : kKeyboardOrder;
    m_letters = m_capitals ? order.toUpper() : order.toLower();
}

int LetterLayout::buttonOfTyped(QChar typed) const
{
    if (typed < u'A' || typed > u'z')
        return -1;
    return int(m_letters.indexOf(m_capitals ? typed.toUpper() : typed.toLower()));
}

} // namespace lumo
