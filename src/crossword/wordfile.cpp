#include "crossword/wordfile.h"

#include "base/random.h"
#include "base/strings.h"
#include "data/richtext.h"
#include "data/textfile.h"

#include <vector>

namespace lumo::cross {

std::optional<WordEntry> parseWordLine(QStringView line)
{
    if (line.size() > kMaxLineLength)
        return std::nullopt; // no word and clue a learner wrote
    const qsizetype comma = line.indexOf(u',');
    if (comma < 2)
        return std::nullopt; // no comma, or a word shorter than two characters
    QStringView rest = line.mid(comma + 1);
    const qsizetype next = rest.indexOf(u',');
    if (next >= 0)
        rest = rest.first(next);
    return WordEntry{line.first(comma).toString(), rest.toString()};
}

ParsedWords parseWordText(QStringView text)
{
    ParsedWords parsed;
    forEachLine(text, [&parsed](QStringView line) {
        std::optional<WordEntry> entry = parseWordLine(line);
        if (!entry)
            return true;
        if (int(parsed.words.size()) == kMaxWords) {
            parsed.truncated = true;
            return false;
        }
        parsed.words.push_back(std::move(*entry));
        return true;
    });
    return parsed;
}

std::pair<int, int> courseFiles(int course)
{
    switch (course) {
    case 1: return {1, 3};
    case 2: return {4, 7};
    case 3: return {8, 11};
    case 4: return {12, 15};
    case 5: return {16, 19};
    default: return {1, 0}; // no files
    }
}

QString wordFileName(int number)
{
    return QStringLiteral("word-%1.dat").arg(number);
}

CourseWords readWordFiles(const QString& folder, int fromNo, int toNo)
{
    CourseWords course;
    QString text;
    for (int n = fromNo; n <= toNo; ++n) {
        const QString path = folder + wordFileName(n);
        const TextFile file = readTextFile(path, kMaxHandWrittenTextBytes);
        if (file.status != TextFile::Status::Ok)
            course.problems.append(readProblemMessage(file, path));
        // Every file ends its last line, so a file without a final line
        // break cannot run into the next one.
        text += loadedText(file.text);
        text += QStringLiteral("\r\n");
    }
    ParsedWords parsed = parseWordText(text);
    course.words = std::move(parsed.words);
    course.truncated = parsed.truncated;
    return course;
}

void mixWords(WordList& words, RandomSource& random)
{
    random.randomize();
    const int count = int(words.size());
    for (int i = 1; i <= count; ++i) {
        const int r = drawIndex(random.next(), 1000, count);
        StrSwap(words[i - 1].eng, words[r - 1].eng);
        StrSwap(words[i - 1].jap, words[r - 1].jap);
    }
}

} // namespace lumo::cross
