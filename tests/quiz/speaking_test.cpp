#include "quiz/phonetics.h"
#include "quiz/speaking.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace lumo;

TEST(SpeakingRules, TheEnglishIsSaidOnlyOnceTheLearnerMayKnowIt)
{
    SpeakingRules rules;
    // Question form, English typed: the answer is not given away.
    EXPECT_TRUE(rules.questionShown(QStringLiteral("apple"), true, true).isEmpty());
    EXPECT_TRUE(rules.wordToSpeak().isEmpty());
    EXPECT_TRUE(rules.judged(QStringLiteral("apple")).isEmpty()) << "speaking after judging is off at start";
    EXPECT_EQ(rules.wordToSpeak(), QStringLiteral("apple"));
    // The next question keeps the judged word on the button.
    rules.questionShown(QStringLiteral("man"), true, true);
    EXPECT_EQ(rules.wordToSpeak(), QStringLiteral("apple"));

    // Training form shows the answer, the translation direction the English.
    rules.questionShown(QStringLiteral("make"), true, false);
    EXPECT_EQ(rules.wordToSpeak(), QStringLiteral("make"));
    rules.questionShown(QStringLiteral("dog"), false, true);
    EXPECT_EQ(rules.wordToSpeak(), QStringLiteral("dog"));

    rules.forget();
    EXPECT_TRUE(rules.wordToSpeak().isEmpty());
}

TEST(SpeakingRules, OptionsAddSpeakingAfterJudgingAndTheListeningQuiz)
{
    SpeakingRules rules;
    rules.setSpeaksAfterJudging(true);
    EXPECT_EQ(rules.judged(QStringLiteral("apple")), QStringList{QStringLiteral("apple")});

    rules.setListening(true);
    EXPECT_TRUE(rules.asksByEar(true));
    EXPECT_FALSE(rules.asksByEar(false)) << "the translation direction shows the English anyway";
    EXPECT_EQ(rules.questionShown(QStringLiteral("man"), true, true), QStringList{QStringLiteral("man")});
    EXPECT_EQ(rules.wordToSpeak(), QStringLiteral("man")) << "発音 says the question again";
    EXPECT_TRUE(rules.questionShown(QStringLiteral("dog"), false, true).isEmpty());
}

TEST(PhoneticSpelling, ReadsTheTableAndLooksWordsUp)
{
    const PhoneticSpelling table =
        PhoneticSpelling::fromText(QStringLiteral("apple\tˈæpəl\r\nno tab here\n\tˈnoʊ\nlook at\tlˈʊk æt\n"));
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.ipa(QStringLiteral(" apple ")), QStringLiteral("ˈæpəl"));
    EXPECT_EQ(table.ipa(QStringLiteral("Apple")), QStringLiteral("ˈæpəl")) << "a capitalised answer";
    EXPECT_EQ(table.ipa(QStringLiteral("look at")), QStringLiteral("lˈʊk æt"));
    EXPECT_TRUE(table.ipa(QStringLiteral("pear")).isEmpty()) << "the learner's own words have none";
    EXPECT_TRUE(table.ipa(QString()).isEmpty());
    EXPECT_EQ(phoneticLine(QStringLiteral("apple"), QStringLiteral("ˈæpəl")), QStringLiteral("apple  /ˈæpəl/"));
    EXPECT_TRUE(phoneticLine(QStringLiteral("pear"), QString()).isEmpty());
}

// Every English word of every shipped course has its transcription in the
// table compiled into the program.
TEST(PhoneticSpelling, CoversEveryShippedCourseWord)
{
    const PhoneticSpelling& table = PhoneticSpelling::shipped();
    const QDir content(QStringLiteral(LUMO_CONTENT_SRC_DIR));
    const QStringList courses = content.entryList({QStringLiteral("eng-*.dat")}, QDir::Files);
    ASSERT_FALSE(courses.isEmpty());
    int words = 0;
    QStringList missing;
    for (const QString& name : courses) {
        QFile file(content.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const qsizetype comma = line.indexOf(u',');
            const QString english = line.left(comma);
            if (comma < 0 || english.trimmed().isEmpty())
                continue;
            ++words;
            if (table.ipa(english).isEmpty())
                missing.append(name + u':' + english);
        }
    }
    EXPECT_GT(words, 500);
    EXPECT_TRUE(missing.isEmpty()) << "run scripts/make_ipa.py; missing: " << missing.join(u' ').toStdString();
}
