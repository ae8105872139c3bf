// The history text: recording judgements into any text (a history as it
// grows, or whatever a damaged file held), then loading it back as a course.
#include "fuzz_support.h"

#include "data/course.h"
#include "data/history.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = lumo::fuzz::fileText(data, size);
    // The first line is the history so far; each further line "english,meaning"
    // is judged in turn, right and wrong alternately.
    QStringList lines = lumo::splitLines(input);
    QString history = lines.isEmpty() ? QString() : lines.takeFirst();
    const QDate date(2001, 3, 5);
    int n = 0;
    for (const QString& line : std::as_const(lines)) {
        if (++n > 50)
            break;
        const qsizetype comma = line.indexOf(u',');
        const QString english = comma < 0 ? line : line.left(comma);
        const QString meaning = comma < 0 ? QString() : line.mid(comma + 1);
        const QString mark = n % 2 ? QStringLiteral("○") : QStringLiteral("×");
        const QString before = history;
        history = lumo::recordJudgement(history, english, meaning, mark, date);
        FUZZ_EXPECT(history.size() == before.size() + 2 + mark.size() ||
                    history.startsWith(before + QStringLiteral("\r\n\r\n") + english + u','));
    }
    const lumo::CourseLines all = lumo::parseCourse(history, lumo::CourseFilter::All);
    const lumo::CourseLines wrong = lumo::parseCourse(history, lumo::CourseFilter::WrongAnswers);
    FUZZ_EXPECT(wrong.count() <= all.count() + all.withoutComma + all.tooLong);
    (void)lumo::toStorableText(history);
    return 0;
}
