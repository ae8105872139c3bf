#include "data/course.h"

#include "data/textfile.h"

namespace lumo {

CourseLines parseCourse(QStringView text, CourseFilter filter)
{
    CourseLines result;
    for (const QString& line : splitLines(text)) {
        if (line.isEmpty())
            continue;
        if (filter == CourseFilter::WrongAnswers && line.indexOf(u'×') < 1)
            continue;
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0) {
            ++result.withoutComma;
            continue;
        }
        if (result.count() == kMaxCoursePairs) {
            result.truncated = true;
            break;
        }
        result.english.append(line.left(comma));
        result.meanings.append(line.mid(comma + 1));
    }
    return result;
}

MeaningParts splitMeaning(const QString& meaning)
{
    const qsizetype comma = meaning.indexOf(u',');
    if (comma < 1)
        return {meaning, {}};
    return {meaning.left(comma), meaning.mid(comma + 1)};
}

QString selectableCountText(int count) { return QStringLiteral("選択可能数") + QString::number(count); }

} // namespace lumo
