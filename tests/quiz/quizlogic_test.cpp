#include "quiz/quizlogic.h"

#include <gtest/gtest.h>

using namespace lumo;

TEST(QuizLogic, AnswersIgnoreOuterSpacesAndCase)
{
    EXPECT_TRUE(answerMatches(QStringLiteral(" Apple "), QStringLiteral("apple")));
    EXPECT_FALSE(answerMatches(QStringLiteral("app le"), QStringLiteral("apple")));
    EXPECT_FALSE(answerMatches(QStringLiteral("apple."), QStringLiteral("apple")));
    EXPECT_FALSE(answerMatches(QStringLiteral("\u3000apple"), QStringLiteral("apple"))) << "a full-width space counts";
    EXPECT_TRUE(answerMatches(QStringLiteral("New York"), QStringLiteral("new york ")));
}

TEST(QuizLogic, NumberedChoiceReadsTheLeadingNumber)
{
    const std::pair<QString, std::optional<int>> cases[] = {
        {"1", 1},
        {" 2 ", 2},
        {"3abc", 3},
        {"", 0},
        {"abc", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"0.6", 1},
        {"-1", -1},
        {"32767", 32767},
        {"32768", std::nullopt},
        {"99999999999", std::nullopt},
        {"２", 2},
        {"\u3000３", 3},
        {"１．５", 2},
    };
    for (const auto& [reply, expected] : cases)
        EXPECT_EQ(numberedChoice(reply), expected) << qPrintable(reply);
}
