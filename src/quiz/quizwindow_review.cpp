// QuizWindow: today's review (the words the history says are due, picked as
// questions).
#include "quiz/quizwindow.h"

#include "base/clock.h"
#include "data/history.h"
#include "data/textfile.h"
#include "review/todaysreview.h"
#include "ui/noticebar.h"
#include "ui/platform.h"

#include <QLabel>
#include <QTextEdit>

namespace lumo {
namespace {

constexpr int kMaxReviewLimit = QuizSession::kMaxQuestions;

QString dateText(QDate date)
{
    return shortJapaneseDate(date);
}

} // namespace

void QuizWindow::pickTodaysReview()
{
    // The history as "Training.dat" will hold it after this run: the file,
    // then this run's judgements, so words answered today are not chosen again.
    const QString path = m_programFolder + QLatin1String(kTrainingFile);
    const TextFile file = readTextFile(path);
    if (!file.usable() && file.status != TextFile::Status::Missing) {
        m_notice->showNotice(readProblemMessage(file, path));
        return;
    }
    const QString history = file.text + m_session.history() + QStringLiteral("\r\n");
    const QDate today = clock().today();
    const TodaysReview review = chooseTodaysReview(history, today, m_reviewLimit);

    QString message;
    if (!review.hasHistory()) {
        message = QStringLiteral("学習の記録がまだありません。\n"
                                 "「問題形式」で答えた単語は、復習する日が来るとここで選ばれます。");
    } else if (review.words.empty()) {
        message = QStringLiteral("今日復習する単語はありません。");
        if (review.nextDue)
            message += QStringLiteral("\n次の復習は %1（%2 日後）です。")
                           .arg(dateText(*review.nextDue))
                           .arg(today.daysTo(*review.nextDue));
    } else {
        int added = 0;
        int alreadySelected = 0;
        bool full = false;
        for (const ReviewWord& word : review.words) {
            switch (m_session.pick(word.english, word.meaning)) {
            case QuizSession::PickResult::Added: ++added; break;
            case QuizSession::PickResult::AlreadySelected: ++alreadySelected; break;
            case QuizSession::PickResult::Full: full = true; break;
            case QuizSession::PickResult::NoSuchWord: break;
            }
        }
        m_instructionsBox->hide();
        showQuestionCount();
        if (added > 0) {
            message = QStringLiteral("今日の復習として %1 語を問題に選びました。").arg(added);
            if (alreadySelected > 0)
                message += QStringLiteral("\n（ほかに %1 語はもう選ばれていました）").arg(alreadySelected);
        } else if (alreadySelected > 0) {
            message = QStringLiteral("今日復習する %1 語は、もう問題に選ばれています。").arg(alreadySelected);
        }
        if (full) {
            if (!message.isEmpty())
                message += u'\n';
            message += QStringLiteral("選択できる問題は %1 問までです。").arg(QuizSession::kMaxQuestions);
        }
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
