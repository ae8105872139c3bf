#include "sentence/sentencepractice.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <set>

using namespace lumo;

namespace {

// The judgement written one mark a word: = right, ~ wrong, - missing, + extra.
std::string marks(const SentenceJudgement& j)
{
    std::string text;
    for (const JudgedWord& w : j.words)
        text += "=~-+"[int(w.verdict)];
    return text;
}

struct JudgeCase {
    const char* typed;
    const char* right;
    const char* marks;
    bool right_;
    bool nearly;
};

class SentenceJudging : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(SentenceJudging, WordByWord)
{
    const JudgeCase& c = GetParam();
    const SentenceJudgement j = judgeSentence(QString::fromUtf8(c.typed), QString::fromUtf8(c.right));
    EXPECT_EQ(marks(j), c.marks);
    EXPECT_EQ(j.right, c.right_);
    EXPECT_EQ(j.nearlyRight, c.nearly);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, SentenceJudging,
    ::testing::Values(
        // Case, spaces and the final full stop do not count; other punctuation does.
        JudgeCase{"time is MONEY", "Time is money.", "===", true, false},
        JudgeCase{"  Time   is money . ", "Time is money.", "===", true, false},
        JudgeCase{"Time is money", "Time is money!", "==~", false, true},
        JudgeCase{"Where there is a will there is a way", "Where there is a will, there is a way.", "====~====", false,
                  true},
        // A curly apostrophe in the sentence is typed as a straight one.
        JudgeCase{"I don't know.", "I don\u2019t know.", "===", true, false},
        // One word left out or added marks only that word.
        JudgeCase{"Rome was built in a day", "Rome was not built in a day.", "==-====", false, false},
        JudgeCase{"Rome was not not built in a day", "Rome was not built in a day.", "==+=====", false, false},
        // One letter off in the whole sentence, a space included, is 惜しい.
        JudgeCase{"Practice makes perfekt", "Practice makes perfect.", "==~", false, true},
        JudgeCase{"Practicemakes perfect", "Practice makes perfect.", "-~=", false, true},
        JudgeCase{"Practise make perfect", "Practice makes perfect.", "~~=", false, false},
        JudgeCase{"", "Time is money.", "---", false, false}));

TEST(SentenceJudging, MissedWordsArePlainAndOnce)
{
    const SentenceJudgement j = judgeSentence(QStringLiteral("the cat, the dog"), QStringLiteral("A cat, a dog."));
    EXPECT_EQ(j.missedWords(), QStringList{QStringLiteral("a")});
    const JudgedWord& first = j.words.front();
    EXPECT_EQ(first.letters.edits, 3) << "a wrong word carries its letter comparison";
}

TEST(SentenceJudging, APastedPageStaysOneStep)
{
    const QString page = QStringLiteral("word ").repeated(5000);
    const SentenceJudgement j = judgeSentence(page, QStringLiteral("A word."));
    EXPECT_FALSE(j.right);
    EXPECT_LT(j.words.size(), 410u);
}

struct HintCase {
    const char* typed;
    int previousWord;
    const char* previousLetters;
    int word;
    const char* letters;
};

class SentenceHints : public ::testing::TestWithParam<HintCase> {};

TEST_P(SentenceHints, FirstLettersOfTheNextWord)
{
    const HintCase& c = GetParam();
    const WordHint hint = nextWordHint(QString::fromUtf8(c.typed), QStringLiteral("The story begins in a forest."),
                                       {c.previousWord, QString::fromUtf8(c.previousLetters)});
    EXPECT_EQ(hint.word, c.word);
    EXPECT_EQ(hint.letters, QString::fromUtf8(c.letters));
}

INSTANTIATE_TEST_SUITE_P(Sentences, SentenceHints,
                         ::testing::Values(HintCase{"", -1, "", 0, "T"}, // a first hint, short word
                                           HintCase{"the story ", -1, "", 2,
                                                    "be"}, // after two right words, a longer one
                                           HintCase{"the story", 1, "st", 2, "be"},        // the previous word is done
                                           HintCase{"the story beg", -1, "", 2, "begi"},   // begun, plus one
                                           HintCase{"the story begins ", 2, "be", 3, "i"}, // a short word
                                           HintCase{"the story begins in", 3, "i", 4, "a"},
                                           HintCase{"the stroy", -1, "", 1, "st"}, // the first wrong word
                                           HintCase{"the sto", 1, "sto", 1, "stor"},
                                           HintCase{"The story begins in a forest", -1, "", -1, ""}));

TEST(SentencePairs, EnglishLineThenItsTranslation)
{
    const std::vector<SentencePair> pairs = readSentencePairs(
        u"Time is money.\r\n時は金なり。\r\n\r\n迷子の訳\r\nNo translation\r\nPractice makes perfect.\r\n練習。\r\n");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].english, QStringLiteral("Time is money."));
    EXPECT_EQ(pairs[0].japanese, QStringLiteral("時は金なり。"));
    EXPECT_EQ(pairs[1].english, QStringLiteral("Practice makes perfect."));
}

TEST(SentenceBank, FindsWholeWordsTheirFormsAndPhrases)
{
    const SentenceBank bank({{QStringLiteral("He watches TV."), QStringLiteral("a")},
                             {QStringLiteral("I watched a watchman."), QStringLiteral("b")},
                             {QStringLiteral("We ate ice cream."), QStringLiteral("c")},
                             {QStringLiteral("Ice is cold; cream is white."), QStringLiteral("d")},
                             {QStringLiteral("'Watch!' she said."), QStringLiteral("e")}});
    EXPECT_EQ(bank.sentencesWith({QStringLiteral("watch")}), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(bank.sentencesWith({QStringLiteral("Ice cream")}), (std::vector<int>{2}));
    EXPECT_EQ(bank.sentencesWith({QStringLiteral("cream"), QStringLiteral("tv")}), (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(bank.sentencesWith({QStringLiteral("watchma"), QString()}).empty());
}

TEST(SentenceDeck, EverySentenceOnceARoundAndNoRepeatAcrossRounds)
{
    test::ScriptedRandom random;
    for (float u : {0.99f, 0.5f, 0.0f, 0.7f, 0.2f, 0.9f, 0.3f, 0.6f, 0.1f, 0.4f, 0.8f, 0.05f})
        random.values.push_back(u);
    SentenceDeck deck;
    EXPECT_EQ(deck.next(), -1);
    deck.reset({10, 11, 12, 13});
    int last = -1;
    for (int round = 0; round < 3; ++round) {
        std::set<int> seen;
        for (int i = 0; i < 4; ++i) {
            const int s = deck.next();
            EXPECT_NE(s, last);
            seen.insert(s);
            last = s;
        }
        EXPECT_EQ(seen, (std::set<int>{10, 11, 12, 13}));
    }
}

} // namespace
