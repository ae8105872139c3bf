#pragma once
// Reading word lists saved by other programs: spreadsheets (CSV, TSV) and
// flash-card programs' plain-text exports, in UTF-8, UTF-16 or code page 932.
// Free of widgets: the import dialog shows what these functions find.

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <vector>

namespace lumo::exchange {

// Shared between a step of the import running aside and the window waiting
// for it: the window asks the step to stop, the step says how far it got.
struct ImportProgress {
    std::atomic<bool> cancelled = false;
    std::atomic<int> percent = 0;
    // The part of the percentage the current piece of work fills (set by the step).
    int from = 0, to = 100;
    // Sets the percentage to where `done` of `total` lies in the current
    // part; whether the work should go on.
    bool advance(qint64 done, qint64 total)
    {
        if (total > 0)
            percent.store(from + static_cast<int>((to - from) * done / total), std::memory_order_relaxed);
        return !cancelled.load(std::memory_order_relaxed);
    }
};

enum class SourceEncoding { Utf8Bom, Utf8, Utf16Le, Utf16Be, Cp932 };
// How the import dialog names the encoding ("UTF-8（BOM 付き）", …).
QString encodingName(SourceEncoding encoding);

struct DecodedSource {
    QString text;
    SourceEncoding encoding = SourceEncoding::Utf8;
    qsizetype badBytes = 0; // bytes that did not decode, each now U+FFFD
    bool binary = false;    // NUL bytes or mostly control characters: not a text file
};
// A byte-order mark decides first; then text that is valid UTF-8 is UTF-8;
// anything else is read as code page 932.
DecodedSource decodeSource(QByteArrayView bytes);

// Whether a field may hold HTML: as a header line says, or guessed from
// the usual formatting tags when no header says so.
enum class HtmlMode { Guess, On, Off };

struct SourceRow {
    QStringList fields;
    int line = 0; // 1-based line of the file the row starts on
};

struct DelimitedTable {
    QChar separator = u',';
    bool separatorFromHeader = false;
    HtmlMode html = HtmlMode::Guess;
    int headerLines = 0;           // leading "#" lines, read as settings or skipped
    QStringList columnNames;       // from a "#columns:" line, else empty
    QList<int> metadataColumns;    // 0-based columns of ids, note types, decks and tags
    std::vector<SourceRow> rows;   // blank lines left out
    int columnCount = 0;           // the most fields in any row
    QList<int> unclosedQuoteLines; // a quote opened here never closed; read as a plain character
};

// Tab when most lines hold one, else semicolon or comma, whichever more of
// the first lines hold outside quotes; comma when none.
QChar detectSeparator(QStringView body);

// Splits the text into rows and fields: quotes as in RFC 4180 (a field in
// double quotes may hold separators, line breaks and doubled quotes), a
// quote inside an unquoted field is an ordinary character. Leading "#key:value"
// lines set the separator, HTML and the metadata columns; other leading "#"
// lines are skipped. `separator` overrides both the header and the guess.
// With `progress`, the percentage goes through its part and a cancelled
// parse stops early with the rows read so far.
DelimitedTable parseDelimited(QStringView text, std::optional<QChar> separator = std::nullopt,
                              ImportProgress* progress = nullptr);

// A field's text as one line: with HTML on, sound references and every tag
// removed, cloze deletions reduced to their answers and entities replaced; when guessing, only the usual formatting
// tags and entities; line breaks and runs of spaces become one space, and
// the ends are trimmed.
QString plainField(QStringView field, HtmlMode html);

} // namespace lumo::exchange
