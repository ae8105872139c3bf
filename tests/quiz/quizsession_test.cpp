// The quiz's rules, driven without a window.
#include "quiz/quizlogic.h"
#include "quiz/quizsession.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QDate kDay(2001, 3, 5);
const QString kCrLf = QStringLiteral("\r\n");

// A session on the course apple / man (with a note) / make, with one example.
QuizSession course()
{
    QuizSession s;
    s.setExamples(QStringLiteral("I make a cake.\r\n私はケーキを作る。\r\n"));
    s.setCourse({"apple", "man", "make"}, {"りんご", "男の人,マン", "作る"});
    return s;
}

QuizSession picked(std::initializer_list<int> rows)
{
    QuizSession s = course();
    for (int row : rows)
        s.pick(row);
    return s;
}

// A list of words picked at once says what became of each: a word whose
// meaning another question already asks is named, never counted as chosen.
TEST(QuizSessionSelection, PickingAListTellsWhatItLeftOutAndWhy)
{
    QuizSession s = course();
    s.pick(0); // apple りんご
    s.pick(QStringLiteral("umbrella"), QStringLiteral("傘"));
    const QuizSession::PickReport report = s.pickWords({{QStringLiteral("parasol"), QStringLiteral("傘")},
                                                        {QStringLiteral("apple"), QStringLiteral("りんご")},
                                                        {QStringLiteral("  "), QStringLiteral("空")},
                                                        {QStringLiteral("dog"), QStringLiteral("犬")}});
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(report.alreadySelected, 1);
    EXPECT_EQ(report.sameMeaning, QStringList{QStringLiteral("parasol（傘）")});
    EXPECT_EQ(report.notFound, 1);
    EXPECT_EQ(s.selectedEnglish(), (QStringList{"apple", "umbrella", "dog"}));

    std::vector<std::pair<QString, QString>> many;
    for (int i = 0; i < QuizSession::kMaxQuestions; ++i)
        many.emplace_back(QStringLiteral("w%1").arg(i), QStringLiteral("意味%1").arg(i));
    const QuizSession::PickReport full = s.pickWords(many);
    EXPECT_EQ(full.added, QuizSession::kMaxQuestions - 3);
    EXPECT_EQ(full.leftOver, 3);
}

TEST(QuizSessionSelection, PicksAppendAndAMeaningIsPickedOnce)
{
    QuizSession s = course();
    EXPECT_EQ(s.pick(2), QuizSession::PickResult::Added);
    EXPECT_EQ(s.pick(0), QuizSession::PickResult::Added);
    EXPECT_EQ(s.pick(2), QuizSession::PickResult::AlreadySelected);
    EXPECT_EQ(s.pick(3), QuizSession::PickResult::NoSuchWord);
    EXPECT_EQ(s.pick(-1), QuizSession::PickResult::NoSuchWord);
    EXPECT_EQ(s.questionTotal(), 2);
    EXPECT_EQ(s.selectedEnglish(), (QStringList{"make", "apple"}));
    EXPECT_EQ(s.selectedMeanings().size(), 2);
    EXPECT_EQ(s.selectedMeanings().last(), s.courseMeanings().first());
}

TEST(QuizSessionSelection, NothingIsWrittenPastTheLastQuestion)
{
    QuizSession s;
    for (int k = 1; k <= QuizSession::kMaxQuestions; ++k)
        ASSERT_EQ(s.pick(QStringLiteral("w%1").arg(k), QStringLiteral("m%1").arg(k)), QuizSession::PickResult::Added);
    EXPECT_EQ(s.pick(QStringLiteral("one more"), QStringLiteral("もう一つ")), QuizSession::PickResult::Full);
    EXPECT_EQ(s.questionTotal(), QuizSession::kMaxQuestions);
    s.removeSelected(QuizSession::kMaxQuestions - 1);
    EXPECT_EQ(s.questionTotal(), QuizSession::kMaxQuestions - 1);
    EXPECT_FALSE(s.isSelected(QuizSession::kMaxQuestions - 1));
    EXPECT_FALSE(s.isSelected(QuizSession::kMaxQuestions)) << "no row past the arrays";
}

TEST(QuizSessionSelection, RemovingShiftsTheLaterQuestionsUp)
{
    QuizSession s = picked({0, 1, 2});
    ASSERT_TRUE(s.isSelected(1));
    s.removeSelected(1);
    EXPECT_EQ(s.selectedEnglish(), (QStringList{"apple", "make"}));
    EXPECT_EQ(s.questionTotal(), 2);
    s.removeSelected(5); // not a row of the list: nothing happens
    EXPECT_EQ(s.questionTotal(), 2);
    // The removed question's meaning can be picked again, after the last.
    EXPECT_EQ(s.pick(1), QuizSession::PickResult::Added);
    EXPECT_EQ(s.selectedEnglish(), (QStringList{"apple", "make", "man"}));
}

TEST(QuizSessionSelection, DiscardingAsksOnlyForShortFirstPendingEnglish)
{
    QuizSession s;
    EXPECT_FALSE(s.discardNeedsConfirmation()) << "nothing to lose";
    s.pick(QStringLiteral("apple"), QStringLiteral("りんご"));
    EXPECT_TRUE(s.discardNeedsConfirmation());
    QuizSession longWord;
    longWord.pick(QStringLiteral("responsibilities"), QStringLiteral("責任")); // 16 characters
    EXPECT_FALSE(longWord.discardNeedsConfirmation());
    s.discardSelection();
    EXPECT_FALSE(s.hasSelection());
    EXPECT_EQ(s.questionTotal(), 0);
}

TEST(QuizSessionSelection, ANewChallengeClearsTheQuestionsButKeepsTheCount)
{
    QuizSession s = picked({0, 1});
    s.startNewChallenge();
    EXPECT_FALSE(s.hasSelection());
    EXPECT_EQ(s.questionTotal(), 2);
    EXPECT_FALSE(s.startTraining());
}

TEST(QuizSessionSelection, SortingReordersTheCourseAndStartsANewChallenge)
{
    QuizSession s = picked({0});
    s.sortCourse(true);
    EXPECT_EQ(s.courseEnglish(), (QStringList{"apple", "make", "man"}));
    EXPECT_EQ(s.courseMeanings(), (QStringList{"りんご", "作る", "男の人,マン"}));
    EXPECT_FALSE(s.hasSelection());
}

TEST(QuizSessionRuns, QuestionFormRecordsEveryJudgementAndRetriesTheWrongOnes)
{
    QuizSession s = picked({0, 1, 2});
    s.startQuestions();
    auto shown = s.showPending();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->number, 1);
    EXPECT_EQ(shown->prompt, QStringLiteral("りんご"));
    EXPECT_FALSE(shown->answer) << "question form shows no answer";

    QuizSession::Judgement j = s.judge(QStringLiteral(" Apple "), kDay);
    EXPECT_TRUE(j.correct);
    EXPECT_TRUE(j.passGoesOn);
    shown = s.showPending();
    EXPECT_EQ(shown->prompt, QStringLiteral("男の人")) << "the head of the meaning only";

    j = s.judge(QStringLiteral("men"), kDay);
    EXPECT_FALSE(j.correct);
    EXPECT_EQ(j.note, QStringLiteral("マン"));
    EXPECT_EQ(j.english, QStringLiteral("man"));
    ASSERT_TRUE(s.showPending());

    j = s.judge(QStringLiteral("make"), kDay);
    EXPECT_EQ(j.example, QStringLiteral("I make a cake.\r\r\n私はケーキを作る。\r")) << "each line with its CR";
    EXPECT_FALSE(j.passGoesOn);
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::RetryWrong);
    s.retryWrong();
    shown = s.showPending();
    EXPECT_EQ(shown->number, 2);
    j = s.judge(QStringLiteral("man"), kDay);
    EXPECT_TRUE(j.passGoesOn) << "a question follows, answered already";
    EXPECT_FALSE(s.showPending());
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::AllCorrect);

    EXPECT_EQ(s.history(), kCrLf + kCrLf + "apple,りんご,2001/03/05,○" + kCrLf + kCrLf +
                               "man,男の人,マン,2001/03/05,×○" + kCrLf + kCrLf + "make,作る,2001/03/05,○" + kCrLf);

    // A new run has every question again.
    s.startQuestions();
    EXPECT_EQ(s.showPending()->number, 1);
    EXPECT_EQ(s.selectedEnglish().size(), 3);
}

TEST(QuizSessionRuns, TrainingShowsTheAnswerAndRecordsNothing)
{
    QuizSession s = picked({1});
    ASSERT_TRUE(s.startTraining());
    const auto shown = s.showPending();
    EXPECT_EQ(shown->prompt, QStringLiteral("男の人,マン")) << "the whole meaning in training";
    EXPECT_EQ(shown->answer, QStringLiteral("man"));
    EXPECT_EQ(s.guideLetter(QString()), QStringLiteral("m"));
    EXPECT_EQ(s.guideLetter(QStringLiteral("ma")), QStringLiteral("n"));
    EXPECT_EQ(s.guideLetter(QStringLiteral("man")), QString()) << "past the end: no letter, every button plain";
    s.judge(QStringLiteral("man"), kDay);
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::TrainingDone);
    EXPECT_TRUE(s.history().isEmpty());
    EXPECT_FALSE(s.guideLetter(QString())) << "no question at the current position";
}

TEST(QuizSessionRuns, AQuestionWithAnEmptyMeaningIsAskedAndRetried)
{
    QuizSession s;
    s.setCourse({"apple", "foo"}, {"りんご", ""});
    s.pick(0);
    s.pick(1);
    s.startQuestions();
    s.showPending();
    EXPECT_TRUE(s.judge(QStringLiteral("apple"), kDay).passGoesOn);
    auto shown = s.showPending();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->number, 2);
    EXPECT_FALSE(s.judge(QStringLiteral("bar"), kDay).passGoesOn);
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::RetryWrong);
    s.retryWrong();
    EXPECT_EQ(s.showPending()->number, 2);
    s.judge(QStringLiteral("foo"), kDay);
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::AllCorrect);
}

TEST(QuizSessionRuns, TranslationDirectionRevealsAndGradesSelf)
{
    QuizSession s = picked({0, 2});
    s.setEnglishInput(false);
    s.startQuestions();
    auto shown = s.showPending();
    EXPECT_EQ(shown->prompt, QStringLiteral("apple"));
    EXPECT_FALSE(shown->answer);
    EXPECT_EQ(s.currentMeaning(), QStringLiteral("りんご"));
    EXPECT_EQ(s.reveal(), QuizSession::AfterReveal::SelfGrade);
    s.selfGrade(true);
    shown = s.showPending();
    EXPECT_EQ(shown->prompt, QStringLiteral("make"));
    EXPECT_EQ(s.reveal(), QuizSession::AfterReveal::SelfGrade);
    s.selfGrade(false);
    EXPECT_FALSE(s.showPending());
    EXPECT_EQ(s.passEnd(), QuizSession::PassEnd::RetryWrong);
    s.retryWrong();
    EXPECT_EQ(s.showPending()->prompt, QStringLiteral("make"));
    EXPECT_TRUE(s.history().isEmpty()) << "self-graded answers are not recorded";
}

TEST(QuizSessionRuns, TranslationTrainingAdvancesOnTheThirdTick)
{
    QuizSession s = picked({0, 2});
    s.setEnglishInput(false);
    ASSERT_TRUE(s.startTraining());
    EXPECT_EQ(s.showPending()->answer, QStringLiteral("りんご"));
    EXPECT_EQ(s.reveal(), QuizSession::AfterReveal::AdvanceByTimer);
    EXPECT_FALSE(s.advanceTick());
    EXPECT_FALSE(s.advanceTick());
    const auto next = s.advanceTick();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->prompt, QStringLiteral("make"));
    EXPECT_EQ(next->answer, QStringLiteral("作る"));
    EXPECT_EQ(s.reveal(), QuizSession::AfterReveal::EndOfPass);

    s.setEnglishInput(true);
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_FALSE(s.advanceTick()) << "the timer does nothing in the English-input direction";
}

TEST(QuizSessionRuns, TheAllCorrectChoiceReadsANumber)
{
    using N = QuizSession::NextRun;
    const std::pair<const char*, N> cases[] = {
        {"1", N::Training},   {" 2 ", N::Questions},  {"3", N::NewSelection},
        {"２", N::Questions}, {"2abc", N::Questions}, {"4", N::None},
        {"", N::None},        {"abc", N::None},       {"99999999999", N::None},
    };
    for (const auto& [reply, expected] : cases)
        EXPECT_EQ(QuizSession::nextRunAfterAllCorrect(QString::fromUtf8(reply)), expected) << reply;
}

TEST(QuizSessionRuns, ShuffleSwapsEachQuestionWithADrawnOne)
{
    QuizSession s = picked({0, 1, 2});
    test::ScriptedRandom random;
    // round(0.5 × 20000) mod 3 + 1 = 2 for each i: 1↔2, 2↔2, 3↔2.
    random.values = {0.5f, 0.5f, 0.5f};
    s.shuffle(random);
    EXPECT_EQ(s.selectedEnglish(), (QStringList{"man", "make", "apple"}));
    EXPECT_EQ(random.draws, 3);
    s.startQuestions();
    EXPECT_EQ(s.showPending()->prompt, QStringLiteral("男の人")) << "meanings move with their words";
}

TEST(QuizLetters, EditingTheAnswerAtTheCaret)
{
    using A = LetterAction;
    struct Case {
        const char* text;
        int at;
        A action;
        const char* letter;
        const char* expectedText;
        int expectedCaret;
        bool changed;
    } const cases[] = {
        {"ab", 1, A::Insert, "x", "axb", 2, true},    {"", 0, A::Insert, " ", " ", 1, true},
        {"abc", 1, A::Overwrite, "", "ac", 1, true},  {"abc", 3, A::Overwrite, "", "abc", 3, false},
        {"abc", 2, A::BackStep, " ", "a c", 1, true}, {"abc", 0, A::BackStep, " ", "abc", 0, false},
    };
    for (const Case& c : cases) {
        const AnswerEdit edit = editAnswer(QString::fromUtf8(c.text), c.at, c.action, QString::fromUtf8(c.letter));
        EXPECT_EQ(edit.text, QString::fromUtf8(c.expectedText)) << c.text << " at " << c.at;
        EXPECT_EQ(edit.caret, c.expectedCaret) << c.text << " at " << c.at;
        EXPECT_EQ(edit.textChanged, c.changed) << c.text << " at " << c.at;
    }
}

TEST(QuizLetters, LayoutCaseAndOrder)
{
    LetterLayout layout;
    EXPECT_EQ(layout.letters(), QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?"));
    EXPECT_EQ(layout.buttonOfTyped(u'W'), 1);
    EXPECT_EQ(layout.buttonOfTyped(u'1'), -1);
    layout.toggleOrder();
    EXPECT_EQ(layout.letters(), QStringLiteral("abcdefghijklmnopqrstuvwxyz;:,.?"));
    layout.toggleCase();
    EXPECT_EQ(layout.letters(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ;:,.?"));
    EXPECT_EQ(layout.buttonOfTyped(u'c'), 2);
    layout.toggleOrder();
    EXPECT_EQ(layout.letters(), QStringLiteral("QWERTYUIOPASDFGHJKL;:ZXCVBNM,.?")) << "capitals kept";
    EXPECT_EQ(int(layout.letters().size()), LetterLayout::kKeys);
}

} // namespace
