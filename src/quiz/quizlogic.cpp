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

} // namespace lumo
