#pragma once
// Writing word pairs for other programs: UTF-8 text with tabs that a
// flash-card program imports as notes with the English on the front and the
// Japanese on the back, or UTF-8 CSV for spreadsheets.

#include "data/answerlog.h"
#include "data/course.h"
#include "data/textfile.h"

#include <QString>

#include <vector>

namespace lumo::exchange {

struct WordPair {
    QString english;
    QString japanese;
    friend bool operator==(const WordPair&, const WordPair&) = default;
};

enum class ExportFormat {
    Tsv, // "#separator:tab" and "#html:false" lines, then English TAB Japanese, LF
    Csv, // byte-order mark, then English "," Japanese, CR LF
};
// CSV for a name ending in ".csv", tab-separated text otherwise.
ExportFormat formatForPath(const QString& path);

// The file's bytes: UTF-8, fields quoted where they hold the separator, a
// quote or a line break, or start with "#" (which would read as a setting).
QByteArray exportBytes(const std::vector<WordPair>& pairs, ExportFormat format);

// Writes the pairs to `path`, replacing the file atomically.
WriteResult writeExport(const QString& path, const std::vector<WordPair>& pairs, ExportFormat format);

// The pairs of a loaded course, in order.
std::vector<WordPair> pairsOf(const CourseLines& course);

// The words answered wrongly at least once in a history text: every line
// "English,meaning,date,marks" whose marks hold a "×", each English once (its
// first line), the meaning without the date and the marks. Lines are read
// as today's review reads them (data/historylines.h).
std::vector<WordPair> missedWords(QStringView history);
// The same for the history held as `file` followed by `run`.
std::vector<WordPair> missedWords(const AnswerLog& file, const AnswerLog& run);

} // namespace lumo::exchange
