// QuizWindow: the letter-by-letter comparison shown after a wrong answer.
#include "quiz/quizwindow.h"

#include "review/answercomparison.h"
#include "ui/fonts.h"

#include <QLabel>

namespace lumo {
namespace {

QString letterHtml(const QString& letter, const QString& style)
{
    // A space would not be seen: it is shown as a middle dot.
    QString shown = letter == QLatin1String(" ") ? QStringLiteral("·") : letter.toHtmlEscaped();
    if (style.isEmpty())
        return shown;
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, shown);
}

// The typed answer beside the right one, on one line, letter by letter: a
// changed letter red in the answer and blue in the right one, a missing
// letter a red "_" in the answer and underlined blue in the right one, an
// extra letter struck through in red, swapped neighbours orange in both.
QString comparisonHtml(const AnswerComparison& comparison)
{
    const QString wrong = QStringLiteral("color:#e00000; font-weight:bold");
    const QString right = QStringLiteral("color:#0000ff; font-weight:bold");
    const QString missing = QStringLiteral("color:#0000ff; font-weight:bold; text-decoration:underline");
    const QString extra = QStringLiteral("color:#e00000; font-weight:bold; text-decoration:line-through");
    const QString swapped = QStringLiteral("color:#d06000; font-weight:bold");
    QString typedHtml;
    QString rightHtml;
    for (const LetterStep& step : comparison.steps) {
        const QString typed = comparison.typed.mid(step.typedStart, step.typedLength);
        const QString expected = comparison.right.mid(step.rightStart, step.rightLength);
        switch (step.edit) {
        case LetterEdit::Same:
            typedHtml += letterHtml(typed, {});
            rightHtml += letterHtml(expected, {});
            break;
        case LetterEdit::Changed:
            typedHtml += letterHtml(typed, wrong);
            rightHtml += letterHtml(expected, right);
            break;
        case LetterEdit::Missing:
            typedHtml += letterHtml(QStringLiteral("_"), wrong);
            rightHtml += letterHtml(expected, missing);
            break;
        case LetterEdit::Extra: typedHtml += letterHtml(typed, extra); break;
        case LetterEdit::Swapped:
            typedHtml += letterHtml(typed, swapped);
            rightHtml += letterHtml(expected, swapped);
            break;
        }
    }
    const QString letters =
        QStringLiteral("<span style=\"font-family:'Liberation Mono','IPAGothic',monospace\">%1</span>");
    QString html =
        QStringLiteral("あなたの答え　%1　→　正しい答え　%2")
            .arg(letters.arg(typedHtml.isEmpty() ? QStringLiteral("（なし）") : typedHtml), letters.arg(rightHtml));
    if (comparison.oneEditAway())
        html += QStringLiteral("　<span style=\"color:#ff00ff; font-weight:bold\">惜しい！</span>");
    return html;
}

} // namespace

void QuizWindow::showAnswerComparison(const QString& typed, const QString& right)
{
    const QString html = comparisonHtml(compareAnswers(typed, right));
    m_comparisonLabel->setText(html);
    m_comparisonLabel->setToolTip(html);
    // The whole line in the label's width: a long one in smaller letters, down
    // to a size still read without effort; past that the tool tip holds it.
    constexpr double kLargest = 9;
    constexpr double kSmallest = 6;
    for (double points = kLargest; points >= kSmallest; points -= 0.5) {
        m_comparisonLabel->setFont(uiFont(Face::Gothic, points));
        if (m_comparisonLabel->sizeHint().width() <= m_comparisonLabel->width())
            break;
    }
    m_comparisonLabel->show();
}

void QuizWindow::hideAnswerComparison()
{
    m_comparisonLabel->hide();
    m_comparisonLabel->clear();
    m_comparisonLabel->setToolTip(QString());
}

} // namespace lumo
