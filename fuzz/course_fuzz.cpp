// Course files, history files loaded back and the course list.
#include "fuzz_support.h"

#include "data/course.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = lumo::fuzz::fileText(data, size);
    for (const auto filter : {lumo::CourseFilter::All, lumo::CourseFilter::WrongAnswers}) {
        const lumo::CourseLines lines = lumo::parseCourse(text, filter);
        FUZZ_EXPECT(lines.english.size() == lines.meanings.size());
        FUZZ_EXPECT(lines.count() <= lumo::kMaxCoursePairs);
        for (qsizetype i = 0; i < lines.english.size(); ++i) {
            FUZZ_EXPECT(!lines.english[i].contains(u','));
            FUZZ_EXPECT(lines.english[i].size() + 1 + lines.meanings[i].size() <= lumo::kMaxLineLength);
            FUZZ_EXPECT(!lines.english[i].contains(u'\n') && !lines.meanings[i].contains(u'\r'));
            if (filter == lumo::CourseFilter::WrongAnswers)
                FUZZ_EXPECT((lines.english[i] + u',' + lines.meanings[i]).indexOf(u'×') >= 1);
        }
        (void)lumo::courseLineProblems(lines);
    }
    const lumo::CourseList list = lumo::parseCourseList(text);
    FUZZ_EXPECT(list.entries.size() <= lumo::kMaxCoursePairs);
    for (const QString& entry : list.entries)
        FUZZ_EXPECT(entry.size() <= lumo::kMaxLineLength);
    return 0;
}
