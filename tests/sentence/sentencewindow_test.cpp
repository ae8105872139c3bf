// The sentence practice window through its controls.
#include "quiz/quizwindow.h"
#include "sentence/sentencewindow.h"
#include "support/fakes.h"
#include "ui/noticebar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

const QString kExamples = QStringLiteral("Time is money.\r\n時は金なり。\r\n"
                                         "Practice makes perfect.\r\n練習は完璧を作る。\r\n"
                                         "An apple a day keeps the doctor away.\r\n一日一個のりんごで医者いらず。\r\n");

class SentenceWindowTest : public ::testing::Test {
  protected:
    test::Platform platform;
    test::TempProgramFolder folder;
    std::unique_ptr<SentenceWindow> window;

    void open(SentenceSources sources = {{{QStringLiteral("money"), QStringLiteral("お金")}}, {}, {}, {}})
    {
        window = std::make_unique<SentenceWindow>(kExamples, std::move(sources));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        // The sentences are indexed off the window's thread.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !text("lbSentencePrompt").startsWith(QStringLiteral("例文を")); }));
    }
    template <class T> T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    void type(const QString& answer)
    {
        child<QLineEdit>("txSentence")->setText(answer);
        QTest::keyClick(child<QLineEdit>("txSentence"), Qt::Key_Return);
    }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    // The record as written, once the window is gone (it finishes its writes first).
    QString recordAfterClosing()
    {
        window.reset();
        return decodeCp932(folder.readBytes(QStringLiteral("SentenceRecord.dat"))).text;
    }
};

TEST_F(SentenceWindowTest, TranslationJudgedRetriedAndRecorded)
{
    open();
    EXPECT_EQ(text("lbSentencePrompt"), QStringLiteral("時は金なり。"));
    EXPECT_EQ(text("lbSentenceCount"), QStringLiteral("1 文目（例文 1 文）"));
    click("cmdSentenceHint");
    EXPECT_EQ(text("lbSentenceHint"), QStringLiteral("ヒント：1 語目は「Ti…」"));
    type(QStringLiteral("time is mony"));
    EXPECT_TRUE(text("lbSentenceVerdict").contains(QStringLiteral("惜しい！")));
    EXPECT_TRUE(text("lbSentenceWords").contains(QStringLiteral("color:#0000ff; font-weight:bold\">money")));
    EXPECT_EQ(text("lbSentenceAnswer"), QStringLiteral("Time is money.\n時は金なり。"));
    // Corrected and judged again with the button; Enter then goes on.
    child<QLineEdit>("txSentence")->setText(QStringLiteral("Time is money"));
    click("cmdSentenceJudge");
    EXPECT_TRUE(text("lbSentenceVerdict").contains(QStringLiteral("正解！")));
    QTest::keyClick(child<QLineEdit>("txSentence"), Qt::Key_Return);
    EXPECT_EQ(text("lbSentenceCount"), QStringLiteral("2 文目（例文 1 文）"));
    EXPECT_TRUE(text("lbSentenceVerdict").isEmpty());
    EXPECT_EQ(recordAfterClosing(),
              QStringLiteral("2001/03/05 09:30:00\tT\t1\t×\t1\tTime is money.\ttime is mony\tmoney,お金\r\n"
                             "2001/03/05 09:30:00\tT\t2\t○\t1\tTime is money.\tTime is money\r\n"));
}

TEST_F(SentenceWindowTest, DictationSpeaksAndEachControlDoesItsPart)
{
    open();
    QTest::mouseClick(child<QRadioButton>("optDictation"), Qt::LeftButton);
    EXPECT_EQ(platform.speech.words(), QStringList{QStringLiteral("Time is money.")});
    EXPECT_TRUE(text("lbSentencePrompt").startsWith(QStringLiteral("聞こえた英文を入力して下さい")));
    click("cmdSentenceSpeak");
    EXPECT_EQ(platform.speech.said.size(), 2);
    click("cmdSentenceNext"); // the mode's change drew the second
    EXPECT_EQ(text("lbSentenceCount"), QStringLiteral("3 文目（例文 1 文）"));
    EXPECT_EQ(platform.speech.said.size(), 3);
    type(QStringLiteral("Time is money."));
    EXPECT_TRUE(text("lbSentenceVerdict").contains(QStringLiteral("正解！")));
    QTest::mouseClick(child<QRadioButton>("optTranslation"), Qt::LeftButton);
    EXPECT_EQ(text("lbSentencePrompt"), QStringLiteral("時は金なり。"));
    EXPECT_FALSE(child<QPushButton>("cmdSentenceSpeak")->isEnabled()) << "not before the answer is judged";

    // Another source: the course's words.
    window.reset();
    open({{}, {}, {{QStringLiteral("apple"), QStringLiteral("りんご")}}, QStringLiteral("eng-1-1.dat")});
    EXPECT_EQ(child<QComboBox>("cmbSentenceSource")->currentText(), QStringLiteral("コース「eng-1-1.dat」の例文"));
    EXPECT_EQ(text("lbSentencePrompt"), QStringLiteral("一日一個のりんごで医者いらず。"));
    child<QComboBox>("cmbSentenceSource")->setCurrentIndex(0);
    emit child<QComboBox>("cmbSentenceSource")->activated(0);
    EXPECT_FALSE(child<QLineEdit>("txSentence")->isEnabled()) << "no questions selected: no sentences";

    click("cmdSentenceClose");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SentenceWindowTest, WithoutAudioOnlyTranslationIsOffered)
{
    platform.speech.canSpeak = false;
    open();
    EXPECT_FALSE(child<QRadioButton>("optDictation")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdSentenceSpeak")->isEnabled());
    const QString notice = child<NoticeBar>("lbSentenceNotice")->text();
    EXPECT_TRUE(notice.contains(QStringLiteral("ディクテーションは使えません"))) << notice.toStdString();
    EXPECT_FALSE(notice.contains(u'\n'));
    type(QStringLiteral("Time is money"));
    EXPECT_TRUE(text("lbSentenceVerdict").contains(QStringLiteral("正解！")));
}

TEST_F(SentenceWindowTest, TodaysReviewWhenTheSelectionHasNoSentences)
{
    WordSource review = [](QObject* context, std::function<void(WordList)> then) {
        QMetaObject::invokeMethod(
            context,
            [then] {
                then({{QStringLiteral("perfect"), QStringLiteral("完璧な")}});
            },
            Qt::QueuedConnection);
    };
    open({{{QStringLiteral("zebra"), QStringLiteral("しまうま")}}, review, {}, {}});
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("lbSentencePrompt") == QStringLiteral("練習は完璧を作る。"); }));
    EXPECT_EQ(child<QComboBox>("cmbSentenceSource")->currentIndex(), 1);
}

TEST_F(SentenceWindowTest, OpenedFromTheQuizMenuWithTheSelectedQuestions)
{
    folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n"));
    folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("money,お金\n"));
    folder.write(QStringLiteral("例文.txt"), kExamples);
    QuizWindow quiz;
    quiz.show();
    QListWidget* meanings = quiz.findChild<QListWidget*>(QStringLiteral("List2"));
    QTest::mouseClick(meanings->viewport(), Qt::LeftButton, {}, meanings->visualItemRect(meanings->item(0)).center());
    quiz.findChild<QAction*>(QStringLiteral("mnuSentence"))->trigger();
    QPointer<QWidget> practice;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmSentence") && top->isVisible())
            practice = top;
    ASSERT_TRUE(practice);
    auto* prompt = practice->findChild<QLabel*>(QStringLiteral("lbSentencePrompt"));
    EXPECT_TRUE(QTest::qWaitFor([prompt] { return prompt->text() == QStringLiteral("時は金なり。"); }));
    practice->close();
}

} // namespace
