#pragma once
// Turning a table read from another program's file into a course of this
// program: which columns hold the English and the Japanese, which rows make
// word pairs, which characters code page 932 cannot hold, and writing the
// course file with its entry in the course list.

#include "data/textfile.h"
#include "exchange/textimport.h"

#include <QString>

#include <vector>

namespace lumo::exchange {

struct ColumnChoice {
    int english = 0;
    int japanese = 1;
    bool firstRowIsHeading = false; // the first row names the columns and is no word pair
};
// The column whose cells are mostly Latin letters is the English one, the
// column whose cells mostly hold kana or kanji the Japanese one; metadata
// columns (ids, note types, decks, tags) are passed over. A first row whose
// cells read like column names ("English", "意味", "Front", …) is a heading.
ColumnChoice guessColumns(const DelimitedTable& table);

struct ImportedPair {
    QString english;
    QString japanese;
    int line = 0; // where the row starts in the source file
};

// Characters of one row that code page 932 cannot hold (each once).
struct UnstorableLine {
    int line = 0;
    QString english;
    QString characters;
};

struct ImportPlan {
    std::vector<ImportedPair> pairs;        // rows that can be stored, in file order
    std::vector<UnstorableLine> unstorable; // rows left out unless the import is cancelled
    int incomplete = 0;                     // rows without an English or a Japanese text
    int commaInEnglish = 0;                 // rows whose English holds a comma, which the course line cannot keep
    int tooLong = 0; // rows whose course line would pass kMaxLineLength, which the course reader refuses
    // Every row left out, the unstorable ones included.
    int leftOut() const { return incomplete + commaInEnglish + tooLong + static_cast<int>(unstorable.size()); }
};

// A field read as a course meaning: commas, which the course line would take
// as the start of a note, become "、" (with the spaces after them).
QString courseMeaning(const QString& field);

// The word pairs of the table's rows with the chosen columns: fields made
// plain (HTML removed as the table says), look-alikes that code page 932
// holds put in place of the JIS forms, the Japanese as a course meaning.
// With `progress`, the percentage goes through its part; a cancelled plan
// stops early.
ImportPlan planImport(const DelimitedTable& table, ColumnChoice columns, ImportProgress* progress = nullptr);

// Each pair as a course line, English "," Japanese, CR LF after every line.
QString courseText(const std::vector<ImportedPair>& pairs);

// A free file name in `folder` for a course made from `sourcePath`: the
// source's base name with ".dat", numbered when taken.
QString suggestCourseFileName(const QString& folder, const QString& sourcePath);
// A Japanese sentence saying why `name` cannot be a new course file in
// `folder` (empty name, a folder in it, characters a file name or code page
// 932 cannot hold, a file of the program, an existing file); empty when it can.
QString courseFileNameProblem(const QString& folder, const QString& name);

// Writes the course file `name` in `folder` (code page 932, CR LF) and adds
// `name` as the last line of the course list "filelist.dat". Both files are
// replaced atomically; when the list cannot be written the new course file
// is removed again, so nothing is left half done.
WriteResult writeImportedCourse(const QString& folder, const QString& name, const std::vector<ImportedPair>& pairs);

} // namespace lumo::exchange
