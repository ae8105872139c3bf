#pragma once
// Word-pair files: course files, history files and question sets share one
// line format, English "," meaning, split at the first comma only.
#include "data/textfile.h"

#include <QString>
#include <QStringList>

namespace lumo {

// One load takes at most this many pairs; the rest of a larger file is left out.
inline constexpr int kMaxCoursePairs = 32767;

enum class CourseFilter {
    All,          // every non-empty line
    WrongAnswers, // only lines with a "×" after their first character
};

struct CourseLines {
    QStringList english;    // List3
    QStringList meanings;   // List2, item i belongs to english[i]
    int withoutComma = 0;   // non-empty lines without a comma, left out
    bool truncated = false; // more than kMaxCoursePairs pairs; the rest left out
    int tooLong = 0;        // lines over kMaxLineLength characters, left out
    int count() const { return static_cast<int>(english.size()); }
};

// At most `maxPairs` pairs (a load takes kMaxCoursePairs; an export all).
CourseLines parseCourse(QStringView text, CourseFilter filter, int maxPairs = kMaxCoursePairs);

// The notices about lines a load left out, one sentence per line; empty when
// every line was taken.
QString courseLineProblems(const CourseLines& lines);

// The entries of the course list "filelist.dat": every line, empty ones
// included, except lines over kMaxLineLength characters; at most
// kMaxCoursePairs entries. `problems` says what was left out.
struct CourseList {
    QStringList entries;
    QString problems;
};
CourseList parseCourseList(QStringView text);

// Head and note of a meaning: "りんご,ringo" gives りんご and ringo; a meaning
// whose first comma is its first character, or that has none, is all head.
struct MeaningParts {
    QString head;
    QString note;
};
MeaningParts splitMeaning(const QString& meaning);

// "選択可能数" followed by the count.
QString selectableCountText(int count);

} // namespace lumo
