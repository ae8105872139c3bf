#include "typing/judging.h"

#include "base/vkeys.h"
#include "typing/keyboard.h"

#include <limits>

namespace lumo::typing {

const QString& TrainerState::currentLine() const
{
    static const QString none;
    return lineNo >= 1 && lineNo <= kMaxLines ? lines.text[lineNo] : none;
}

const QString& TrainerState::currentHint() const
{
    static const QString none;
    return lineNo >= 1 && lineNo <= kMaxLines ? lines.hint[lineNo] : none;
}

QString typedCharacter(int keyCode)
{
    const QChar c = vk::printedCharacter(keyCode);
    return c.isNull() ? QString() : QString(c).toUpper();
}

QString expectedAt(const QString& line, int pos)
{
    if (pos < 1 || pos > line.size())
        return {};
    return line.mid(pos - 1, 1).toUpper();
}

std::int16_t countUp(std::int16_t count)
{
    return count == std::numeric_limits<std::int16_t>::max() ? count : static_cast<std::int16_t>(count + 1);
}

KeyOutcome judgeKey(TrainerState& s, int keyCode)
{
    KeyOutcome out;
    const QString typed = typedCharacter(keyCode);
    if (typed.isEmpty())
        return out;
    out.judged = true;

    if (s.charPos == 0)
        s.charPos = 1;
    const QString expected = expectedAt(s.currentLine(), s.charPos);
    s.typedChar = typed;
    out.expected = expected;
    out.correct = typed == expected;
    if (out.correct) {
        s.correctCount = countUp(s.correctCount);
        ++s.charPos;
    } else {
        s.wrongCount = countUp(s.wrongCount);
    }
    out.keyIndex = keyIndex(typed);

    if (s.displayMode == Display::Cups) {
        if (out.correct)
            out.cupToHide = s.charPos - 1;
        if (s.currentLine().size() < s.charPos) {
            advanceLine(s);
            out.then = Then::NextLineCups;
        }
        return out;
    }

    out.next = expectedAt(s.currentLine(), s.charPos);
    if (s.kanaMode || s.autoNext) {
        if (out.next.isEmpty()) {
            advanceLine(s);
            out.then = Then::NextLineGuide;
        }
    } else if (out.next.isEmpty() && s.charPos >= 2) {
        s.charPos = 0;
        out.then = Then::EndOfLine;
    }
    return out;
}

void advanceLine(TrainerState& s)
{
    const int next = s.lineNo + 1;
    s.lineNo = next <= kMaxLines && !s.lines.text[next].isEmpty() ? next : 1;
}

void clearCourse(TrainerState& s)
{
    s.kanaMode = false;
    s.correctCount = 0;
    s.wrongCount = 0;
    s.lines.clear();
    s.lineNo = 1;
}

} // namespace lumo::typing
