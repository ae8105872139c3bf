#pragma once
// The practice lines of the trainer's courses: random-key drills, English
// words and proverbs from the data files, and romaji drills of kana. Every
// random choice is a draw of lumo::rnd() turned into an index by drawIndex.
#include "data/wordsource.h"

#include <QString>

#include <array>

namespace lumo::typing {

// Entries 1..kMaxLines hold lines; entry 0 stays empty.
inline constexpr int kMaxLines = 100;

struct LineTables {
    std::array<QString, kMaxLines + 1> text; // what is typed
    std::array<QString, kMaxLines + 1> hint; // what the instructions show meanwhile
    void clear();
    int filled() const; // number of non-empty lines from 1 up
};

enum class Course {
    Base1,
    Base2,
    Base3,
    Base4,
    Base5,
    EnglishLow,
    EnglishMid,
    Proverbs,
    KanaVowels,
    KanaA,
    KanaI,
    KanaU,
    KanaE,
    KanaO,
    KanaSpecial,
};

// The keys drilled by 基本１ .. 基本５.
QString baseKeys(Course course);
// The romaji and kana lists of the kana courses from アの段 on, each item
// followed by a comma, pairs by position.
struct KanaList {
    QString romaji;
    QString kana;
};
KanaList kanaList(Course course);

// 基本１..４: line 1 is the row itself, lines 2..30 thirty random keys of it.
// Clears the hints and reseeds the generator first.
void randomKeyLines(LineTables& t);
// 基本５: lines 1..30, thirty random keys each of the 基本５ keys.
void mixedLines(LineTables& t, const QString& keys);

// 苦手キー練習: lines 1..30 as mixedLines makes them from the learner's weak
// keys and the home keys F and J (as every row drill holds them), so most
// presses fall on the weak keys; every line's hint names the weak keys.
void weakKeyLines(LineTables& t, const QString& weakKeys);
inline constexpr int kWeakKeyCount = 5;

// Takes words of a course file (its text followed by a line break) into the
// lines after `start`: about every second line whose English part fits the
// level (1: at most 5 letters, 2: at least 6, 3: at most 8), 40 at most.
// Returns the new count. Lines without an English part, and lines over
// kMaxLineLength characters, are never taken.
int pickCourseWords(const QString& text, int level, int start, LineTables& t);
inline constexpr int kMaxWords = 40;

// 英語上級: pairs of lines of the proverb file (English, then Japanese),
// up to the first blank English line and at most 81 pairs; the English is
// typed, the pair is the hint. Lines are cut to kMaxLineLength characters.
// Returns the count (not yet shuffled).
int proverbLines(const QString& text, LineTables& t);

// 今日の復習の単語 / よく間違える単語: one line per English word (the first
// kMaxLines with something to type, spaces around it trimmed, cut to
// kMaxLineLength), its meaning shown beside it as the hint. Returns the count
// (not yet shuffled).
int vocabularyLines(const WordList& words, LineTables& t);

// ア行入力: 60 random vowels with their kana (not yet shuffled).
void vowelLines(LineTables& t);
// The other kana courses: the syllables of the lists in order, then random
// repeats of them up to line 60 (not yet shuffled).
void kanaLines(QString romaji, QString kana, LineTables& t);
inline constexpr int kKanaLines = 60;

// Shuffles lines 1..n with their hints.
void shuffleLines(int n, LineTables& t);

// The whole line table of a course that needs no file.
void fillBuiltInCourse(Course course, LineTables& t);
inline bool isKanaCourse(Course c)
{
    return c >= Course::KanaVowels;
}

} // namespace lumo::typing
