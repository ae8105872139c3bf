#include "review/answercomparison.h"

#include "base/strings.h"

#include <algorithm>

namespace lumo {
namespace {

// Larger tables are not filled: about a megabyte of distances.
constexpr qsizetype kMaxTableCells = qsizetype{256} * 1024;

void addStep(std::vector<LetterStep>& steps, LetterEdit edit, qsizetype typedStart, qsizetype typedLength,
             qsizetype rightStart, qsizetype rightLength)
{
    steps.push_back(LetterStep{edit, typedStart, typedLength, rightStart, rightLength});
}

// Aligns `typed` with `right` (found at those offsets in the whole answers)
// with the fewest edits and appends the steps, first letters first. The
// table holds the distances between the answers' endings, so the trace can
// start at the front and match letters as early as it can: "aple" for
// "apple" misses the second p, not the first.
int alignExactly(QStringView typed, QStringView right, qsizetype typedOffset, qsizetype rightOffset,
                 std::vector<LetterStep>& steps)
{
    const qsizetype n = typed.size();
    const qsizetype m = right.size();
    const qsizetype columns = m + 1;
    std::vector<int> table(static_cast<std::size_t>((n + 1) * columns));
    const auto at = [&table, columns](qsizetype i, qsizetype j) -> int& {
        return table[static_cast<std::size_t>(i * columns + j)];
    };
    for (qsizetype i = 0; i <= n; ++i)
        at(i, m) = static_cast<int>(n - i);
    for (qsizetype j = 0; j <= m; ++j)
        at(n, j) = static_cast<int>(m - j);
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            const int change = typed[i] == right[j] ? 0 : 1;
            int best = std::min({at(i + 1, j) + 1, at(i, j + 1) + 1, at(i + 1, j + 1) + change});
            if (i + 1 < n && j + 1 < m && typed[i] == right[j + 1] && typed[i + 1] == right[j])
                best = std::min(best, at(i + 2, j + 2) + 1);
            at(i, j) = best;
        }
    }

    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        const int here = at(i, j);
        if (i < n && j < m && typed[i] == right[j] && here == at(i + 1, j + 1)) {
            addStep(steps, LetterEdit::Same, typedOffset + i, 1, rightOffset + j, 1);
            ++i, ++j;
        } else if (i + 1 < n && j + 1 < m && typed[i] == right[j + 1] && typed[i + 1] == right[j] &&
                   here == at(i + 2, j + 2) + 1) {
            addStep(steps, LetterEdit::Swapped, typedOffset + i, 2, rightOffset + j, 2);
            i += 2, j += 2;
        } else if (i < n && j < m && here == at(i + 1, j + 1) + 1) {
            addStep(steps, LetterEdit::Changed, typedOffset + i, 1, rightOffset + j, 1);
            ++i, ++j;
        } else if (i < n && here == at(i + 1, j) + 1) {
            addStep(steps, LetterEdit::Extra, typedOffset + i, 1, rightOffset + j, 0);
            ++i;
        } else {
            addStep(steps, LetterEdit::Missing, typedOffset + i, 0, rightOffset + j, 1);
            ++j;
        }
    }
    return at(0, 0);
}

// For texts too long to align exactly: letters compared pairwise, then the
// surplus of the longer text missing or extra.
int alignAsBlock(QStringView typed, QStringView right, qsizetype typedOffset, qsizetype rightOffset,
                 std::vector<LetterStep>& steps)
{
    const qsizetype paired = std::min(typed.size(), right.size());
    int edits = 0;
    for (qsizetype k = 0; k < paired; ++k) {
        const bool same = typed[k] == right[k];
        addStep(steps, same ? LetterEdit::Same : LetterEdit::Changed, typedOffset + k, 1, rightOffset + k, 1);
        edits += same ? 0 : 1;
    }
    for (qsizetype k = paired; k < typed.size(); ++k, ++edits)
        addStep(steps, LetterEdit::Extra, typedOffset + k, 1, rightOffset + right.size(), 0);
    for (qsizetype k = paired; k < right.size(); ++k, ++edits)
        addStep(steps, LetterEdit::Missing, typedOffset + typed.size(), 0, rightOffset + k, 1);
    return edits;
}

// The letters as the quiz compares them: each capitalised on its own, so a
// position in them is the same position in the text as written.
QString comparedLetters(const QString& text)
{
    QString letters = text;
    for (QChar& c : letters)
        c = c.toUpper();
    return letters;
}

} // namespace

AnswerComparison compareAnswers(const QString& typed, const QString& right)
{
    AnswerComparison result;
    result.typed = trimSpaces(typed);
    result.right = trimSpaces(right);
    const QString typedLetters = comparedLetters(result.typed);
    const QString rightLetters = comparedLetters(result.right);
    const QStringView a = typedLetters;
    const QStringView b = rightLetters;

    std::vector<LetterStep>& steps = result.steps;
    steps.reserve(static_cast<std::size_t>(std::max(a.size(), b.size())));
    if ((a.size() + 1) * (b.size() + 1) <= kMaxTableCells) {
        result.edits = alignExactly(a, b, 0, 0, steps);
        return result;
    }
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    for (qsizetype k = 0; k < prefix; ++k)
        addStep(steps, LetterEdit::Same, k, 1, k, 1);
    const QStringView middleA = a.sliced(prefix, a.size() - prefix - suffix);
    const QStringView middleB = b.sliced(prefix, b.size() - prefix - suffix);
    if ((middleA.size() + 1) * (middleB.size() + 1) <= kMaxTableCells)
        result.edits = alignExactly(middleA, middleB, prefix, prefix, steps);
    else
        result.edits = alignAsBlock(middleA, middleB, prefix, prefix, steps);
    for (qsizetype k = suffix; k > 0; --k)
        addStep(steps, LetterEdit::Same, a.size() - k, 1, b.size() - k, 1);
    return result;
}

namespace {

QString letterHtml(const QString& letter, QLatin1String style)
{
    // A space would not be seen: it is shown as a middle dot.
    const QString shown = letter == QLatin1String(" ") ? QStringLiteral("·") : letter.toHtmlEscaped();
    if (style.isEmpty())
        return shown;
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, shown);
}

} // namespace

ComparisonHtml comparisonLettersHtml(const AnswerComparison& comparison)
{
    const QLatin1String same;
    const QLatin1String wrong("color:#e00000; font-weight:bold");
    const QLatin1String right("color:#0000ff; font-weight:bold");
    const QLatin1String missing("color:#0000ff; font-weight:bold; text-decoration:underline");
    const QLatin1String extra("color:#e00000; font-weight:bold; text-decoration:line-through");
    const QLatin1String swapped("color:#d06000; font-weight:bold");
    ComparisonHtml html;
    for (const LetterStep& step : comparison.steps) {
        const QString typed = comparison.typed.mid(step.typedStart, step.typedLength);
        const QString expected = comparison.right.mid(step.rightStart, step.rightLength);
        switch (step.edit) {
        case LetterEdit::Same:
            html.typed += letterHtml(typed, same);
            html.right += letterHtml(expected, same);
            break;
        case LetterEdit::Changed:
            html.typed += letterHtml(typed, wrong);
            html.right += letterHtml(expected, right);
            break;
        case LetterEdit::Missing:
            html.typed += letterHtml(QStringLiteral("_"), wrong);
            html.right += letterHtml(expected, missing);
            break;
        case LetterEdit::Extra: html.typed += letterHtml(typed, extra); break;
        case LetterEdit::Swapped:
            html.typed += letterHtml(typed, swapped);
            html.right += letterHtml(expected, swapped);
            break;
        }
    }
    return html;
}

} // namespace lumo
