#include "data/wordindex.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

using lumo::WordIndex;

// Many words through several growths of the table: each keeps the number of
// its first appearance and its letters, however long or alike the words are.
TEST(WordIndex, NumbersWordsInOrderOfFirstAppearanceThroughGrowth)
{
    std::vector<QString> words;
    for (int i = 0; i < 5000; ++i)
        words.push_back(QString(i % 7, u'x') + QString::number(i) + (i % 3 ? u"語"_qs : u""_qs));
    words.push_back(u""_qs);
    words.push_back(u"a long phrase of several words to cross many chunks"_qs);

    WordIndex index;
    for (std::size_t i = 0; i < words.size(); ++i) {
        ASSERT_EQ(index.add(words[i]), static_cast<int>(i));
        ASSERT_EQ(index.add(words[i / 2]), static_cast<int>(i / 2)) << "a word seen before keeps its number";
    }
    ASSERT_EQ(index.size(), static_cast<int>(words.size()));
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(index.word(static_cast<int>(i)), words[i]);
        EXPECT_EQ(index.find(words[i]), static_cast<int>(i));
    }
    EXPECT_EQ(index.find(u"x1"_qs), -1) << "a prefix of a word is another word";
    EXPECT_EQ(index.find(u"1 "_qs), -1);
    EXPECT_EQ(WordIndex().find(u"apple"_qs), -1);
}

TEST(WordIndex, SpellingsThatDifferOnlyInCaseOrSpacesAreDifferentWords)
{
    WordIndex index;
    EXPECT_EQ(index.add(u"Apple"_qs), 0);
    EXPECT_EQ(index.add(u"apple"_qs), 1);
    EXPECT_EQ(index.add(u"apple "_qs), 2);
    EXPECT_EQ(index.add(u"ａｐｐｌｅ"_qs), 3);
    EXPECT_EQ(index.find(u"apple"_qs), 1);
}
