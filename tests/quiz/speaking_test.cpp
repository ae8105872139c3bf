#include "quiz/speaking.h"

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
