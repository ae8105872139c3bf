#include "data/course.h"

#include "data/textfile.h"

namespace lumo {

CourseLines parseCourse(QStringView text, CourseFilter filter)
{
    CourseLines result;
    const qsizetype lines = std::min<qsizetype>(text.count(u'\n') + 1, kMaxCoursePairs);
    result.english.reserve(lines);
    result.meanings.reserve(lines);
    forEachLine(text, [&result, filter](QStringView line) {
        if (line.isEmpty())
            return true;
        if (filter == CourseFilter::WrongAnswers && line.indexOf(u'×') < 1)
            return true;
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0) {
            ++result.withoutComma;
            return true;
        }
        if (result.count() == kMaxCoursePairs) {
            result.truncated = true;
            return false;
        }
        result.english.append(line.first(comma).toString());
        result.meanings.append(line.sliced(comma + 1).toString());
        return true;
    });
    return result;
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
