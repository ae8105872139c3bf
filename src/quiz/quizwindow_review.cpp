// QuizWindow: today's review (the words the history says are due, picked as
// questions).
#include "quiz/quizwindow.h"

#include "base/clock.h"
#include "base/strings.h"
#include "data/history.h"
#include "review/todaysreview.h"
#include "ui/noticebar.h"
#include "ui/platform.h"

#include <QTextEdit>

#include <utility>

namespace lumo {
namespace {

constexpr int kMaxReviewLimit = QuizSession::kMaxQuestions;

} // namespace

void QuizWindow::pickTodaysReview()
{
    // The history as "Training.dat" will hold it after this run, so words
    // answered today are not chosen again.
    TrainingHistory& history = m_session.trainingHistory();
    if (!history.isLoaded()) {
        if (!std::exchange(m_reviewWaiting, true)) {
            m_notice->showNotice(QStringLiteral("学習の記録を読み込んでいます。終わりしだい今日の復習を選びます。"));
            history.whenLoaded(this, [this] {
                m_reviewWaiting = false;
                m_notice->clear();
                pickTodaysReview();
            });
        }
        return;
    }
    if (!history.problems().isEmpty()) {
        m_notice->showNotice(history.problems().join(u'\n'));
        return;
    }
    const QDate today = clock().today();
    const TodaysReview review = history.todaysReview(today, m_reviewLimit);

    QString message;
    if (!review.hasHistory()) {
        message = QStringLiteral("学習の記録がまだありません。\n"
                                 "「問題形式」で答えた単語は、復習する日が来るとここで選ばれます。");
    } else if (review.words.empty()) {
        message = QStringLiteral("今日復習する単語はありません。");
        if (review.nextDue)
            message += QStringLiteral("\n次の復習は %1（%2 日後）です。")
                           .arg(shortJapaneseDate(*review.nextDue))
                           .arg(today.daysTo(*review.nextDue));
    } else {
        std::vector<std::pair<QString, QString>> words;
        for (const ReviewWord& word : review.words)
            words.emplace_back(word.english, word.meaning);
        const QuizSession::PickReport picked = m_session.pickWords(words);
        m_instructionsBox->hide();
        showQuestionCount();
        if (picked.added > 0) {
            message = QStringLiteral("今日の復習として %1 語を問題に選びました。").arg(picked.added);
            if (picked.alreadySelected > 0)
                message += QStringLiteral("\n（ほかに %1 語はもう選ばれていました）").arg(picked.alreadySelected);
        } else if (picked.alreadySelected > 0) {
            message = QStringLiteral("今日復習する %1 語は、もう問題に選ばれています。").arg(picked.alreadySelected);
        }
        message = joinLines(message, pickProblems(picked));
        const int left = review.dueCount - static_cast<int>(review.words.size());
        if (left > 0)
            message += QStringLiteral("\n今日の復習はほかに %1 語あります。").arg(left);
        message += QStringLiteral("\n明日復習する単語は %1 語です。").arg(review.dueTomorrow);
        message += QStringLiteral("\n「問題形式」で始めて下さい。");
    }
    if (review.skippedLines > 0)
        message += QStringLiteral("\n（「%1」の読めない %2 行は除きました）")
                       .arg(QLatin1String(kTrainingFile))
                       .arg(review.skippedLines);
    dialogs().notice(this, message);
}

void QuizWindow::askReviewLimit()
{
    const std::optional<QString> reply = dialogs().input(
        this, QStringLiteral("今日の復習で一度に選ぶ単語の数を入力して下さい（1～%1）").arg(kMaxReviewLimit), kAppTitle,
        QString::number(m_reviewLimit));
    if (!reply || reply->trimmed().isEmpty())
        return;
    const std::optional<int> limit = numberedChoice(*reply);
    if (!limit || *limit < 1 || *limit > kMaxReviewLimit) {
        dialogs().notice(this, QStringLiteral("1 から %1 までの数を入力して下さい。").arg(kMaxReviewLimit));
        return;
    }
    m_reviewLimit = *limit;
}

} // namespace lumo
