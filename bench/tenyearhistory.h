#pragma once
// A training history of ten years of practice made from the shipped courses,
// as the program writes it: every run a day's answers, each history line
// after an empty line, the run's text followed by one more line break. About
// 275 answers a day over the 2,400-odd words of the courses; most right at
// the first try, some after one or two misses, a few left wrong.
// The benchmarks read it, and make_ten_year_history writes it as
// "Training.dat" for the real program.
#include "data/course.h"
#include "data/textfile.h"

#include <QDate>
#include <QString>

#include <utility>
#include <vector>

namespace lumo::bench {

// The word pairs of every course listed in `programFolder`'s "filelist.dat".
inline std::vector<std::pair<QString, QString>> shippedWords(const QString& programFolder)
{
    std::vector<std::pair<QString, QString>> words;
    const CourseList list = parseCourseList(readTextFile(programFolder + QStringLiteral("filelist.dat")).text);
    for (const QString& name : list.entries) {
        if (name.trimmed().isEmpty())
            continue;
        const CourseLines course = parseCourse(readTextFile(programFolder + name).text, CourseFilter::All);
        for (int i = 0; i < course.count(); ++i)
            words.emplace_back(course.english.at(i), course.meanings.at(i));
    }
    return words;
}

// `lines` history lines ending on `lastDay`.
inline QString tenYearHistory(const QString& programFolder, int lines, QDate lastDay)
{
    std::vector<std::pair<QString, QString>> words = shippedWords(programFolder);
    if (words.empty())
        words.emplace_back(QStringLiteral("word"), QStringLiteral("単語"));
    const QString marks[] = {QStringLiteral("○"), QStringLiteral("×○"), QStringLiteral("××○"), QStringLiteral("×")};
    quint32 seed = 2026;
    const auto next = [&seed](quint32 bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    constexpr int kDays = 3652;
    QString text;
    text.reserve(qsizetype(lines) * 36);
    const QDate firstDay = lastDay.addDays(-(kDays - 1));
    int day = -1;
    for (int line = 0; line < lines; ++line) {
        const int lineDay = int(qint64(line) * kDays / lines);
        if (lineDay != day) {
            if (day >= 0)
                text += QStringLiteral("\r\n"); // the end of a run
            day = lineDay;
        }
        const auto& [english, meaning] = words[next(quint32(words.size()))];
        const quint32 roll = next(100);
        const QString& mark = marks[roll < 70 ? 0 : roll < 90 ? 1 : roll < 97 ? 2 : 3];
        text += QStringLiteral("\r\n\r\n") + english + u',' + meaning + u',' +
                firstDay.addDays(day).toString(QStringLiteral("yyyy/MM/dd")) + u',' + mark;
    }
    return text + QStringLiteral("\r\n");
}

} // namespace lumo::bench
