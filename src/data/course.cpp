#include "data/course.h"

#include "data/textfile.h"

namespace lumo {

CourseLines parseCourse(QStringView text, CourseFilter filter, int maxPairs)
{
    CourseLines result;
    const qsizetype lines = std::min<qsizetype>(text.count(u'\n') + 1, maxPairs);
    result.english.reserve(lines);
    result.meanings.reserve(lines);
    forEachLine(text, [&result, filter, maxPairs](QStringView line) {
        if (line.isEmpty())
            return true;
        if (line.size() > kMaxLineLength) {
            ++result.tooLong;
            return true;
        }
        if (filter == CourseFilter::WrongAnswers && line.indexOf(u'×') < 1)
            return true;
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0) {
            ++result.withoutComma;
            return true;
        }
        if (result.count() == maxPairs) {
            result.truncated = true;
            return false;
        }
        result.english.append(line.first(comma).toString());
        result.meanings.append(line.sliced(comma + 1).toString());
        return true;
    });
    return result;
}

QString courseLineProblems(const CourseLines& lines)
{
    QStringList problems;
    if (lines.tooLong > 0)
        problems.append(QStringLiteral("%1 文字を超える行が %2 行あったため、その行は読み込みませんでした。")
                            .arg(kMaxLineLength)
                            .arg(lines.tooLong));
    if (lines.withoutComma > 0)
        problems.append(
            QStringLiteral("カンマのない行が %1 行あったため、その行は読み込みませんでした。").arg(lines.withoutComma));
    if (lines.truncated)
        problems.append(QStringLiteral("単語が多すぎるため、最初の %1 語だけを読み込みました。").arg(kMaxCoursePairs));
    return problems.join(u'\n');
}

CourseList parseCourseList(QStringView text)
{
    CourseList list;
    int tooLong = 0;
    bool truncated = false;
    forEachLine(text, [&](QStringView line) {
        if (line.size() > kMaxLineLength) {
            ++tooLong;
            return true;
        }
        if (list.entries.size() == kMaxCoursePairs) {
            truncated = true;
            return false;
        }
        list.entries.append(line.toString());
        return true;
    });
    QStringList problems;
    if (tooLong > 0)
        problems.append(QStringLiteral("コースの一覧に %1 文字を超える行が %2 行あったため、その行は表示しません。")
                            .arg(kMaxLineLength)
                            .arg(tooLong));
    if (truncated)
        problems.append(
            QStringLiteral("コースの一覧が長すぎるため、最初の %1 行だけを表示します。").arg(kMaxCoursePairs));
    list.problems = problems.join(u'\n');
    return list;
}

MeaningParts splitMeaning(const QString& meaning)
{
    const qsizetype comma = meaning.indexOf(u',');
    if (comma < 1)
        return {meaning, {}};
    return {meaning.left(comma), meaning.mid(comma + 1)};
}

QString selectableCountText(int count)
{
    return QStringLiteral("選択可能数") + QString::number(count);
}

} // namespace lumo
