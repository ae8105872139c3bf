// QuizWindow: the letter-by-letter comparison shown after a wrong answer.
#include "quiz/quizwindow.h"

#include "review/answercomparison.h"
#include "ui/fonts.h"

#include <QLabel>

namespace lumo {
namespace {

// The typed answer beside the right one, on one line, letter by letter.
QString comparisonHtml(const AnswerComparison& comparison)
{
    const ComparisonHtml answers = comparisonLettersHtml(comparison);
    const QString letters =
        QStringLiteral("<span style=\"font-family:'Liberation Mono','IPAGothic',monospace\">%1</span>");
    QString html = QStringLiteral("あなたの答え　%1　→　正しい答え　%2")
                       .arg(letters.arg(answers.typed.isEmpty() ? QStringLiteral("（なし）") : answers.typed),
                            letters.arg(answers.right));
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
