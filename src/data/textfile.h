#pragma once
// Text files of the program folder: code page 932 (Windows-31J), CR LF line breaks.
// Every conversion between bytes and text goes through this file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace lumo {

// The line break of every file the program reads and writes.
inline const QString kCrLf = QStringLiteral("\r\n");

// Bytes to text. Invalid byte sequences become U+FFFD and are counted.
struct Decoded {
    QString text;
    qsizetype badBytes = 0;
};
Decoded decodeCp932(QByteArrayView bytes);

// Text to bytes. Characters code page 932 cannot hold, or holds only as
// another character (which would read back changed), are collected in
// `unmappable`, each once, in order of appearance; `bytes` is then empty.
struct Encoded {
    QByteArray bytes;
    QString unmappable;
    bool ok() const { return unmappable.isEmpty(); }
};
Encoded encodeCp932(QStringView text);

// Characters an input method types in their JIS form, replaced by the
// look-alikes code page 932 holds (〜 → ～, − → －, ‖ → ∥, ¢ → ￠, £ → ￡, ¬ → ￢).
QString toCp932LookAlikes(QString text);

// The text with the look-alikes above and every other character code page
// 932 cannot hold replaced by `replacement`, so that it can always be written.
QString toStorableText(const QString& text, QChar replacement = u'?');

// Longest line the readers of word pairs, courses and proverbs take: longer
// lines are no text a learner wrote and are left out (or cut) with a notice
// rather than shown, since a text box laying out a line of megabytes stops
// answering.
inline constexpr int kMaxLineLength = 1000;

// Longest line a text box shows; a text box loading a file cuts longer lines
// (laying out a line of megabytes would hold the window up for minutes).
inline constexpr int kMaxShownLineLength = 10000;

// The text with every line over `maxLength` characters cut to that length;
// `cutLines` is set to how many were cut.
QString withLinesCut(QStringView text, qsizetype maxLength, int& cutLines);

// Largest text file the program reads; bigger files are refused.
inline constexpr qint64 kMaxTextFileBytes = qint64(64) * 1024 * 1024;

struct TextFile {
    enum class Status { Ok, Missing, Folder, NoPermission, NotAFile, Unreadable, TooLarge, BadBytes };
    QString text; // empty unless Ok or BadBytes
    Status status = Status::Ok;
    qsizetype badBytes = 0; // with BadBytes: how many were replaced by U+FFFD
    int error = 0;          // with Unreadable: the system's error number
    int cutLines = 0;       // lines a text box cut to kMaxShownLineLength when it loaded the file
    bool usable() const { return status == Status::Ok || status == Status::BadBytes; }
};
TextFile readTextFile(const QString& path);

// A text file read a piece at a time, for a file that may be long (a history
// of years): each piece holds whole lines and is decoded on its own, so the
// file never lies in memory whole, and several threads may read parts of one
// file side by side. Opened as readTextFile opens files.
class TextFileReader {
  public:
    explicit TextFileReader(const QString& path);
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Ok, or why the file cannot be read (Missing, TooLarge, ...).
    TextFile::Status status() const { return m_status; }
    qint64 size() const { return m_size; }
    // The first line start after `offset`: just past the next CR or LF byte,
    // or size(). 0 for an offset of 0.
    qint64 lineStartAfter(qint64 offset) const;

    struct Result {
        TextFile::Status status = TextFile::Status::Ok; // Ok, BadBytes or why reading stopped
        int error = 0;
        qsizetype badBytes = 0;
        // The file as readTextFile would report it (text left empty).
        TextFile asTextFile() const { return TextFile{{}, status, badBytes, error, 0}; }
    };
    // Reads bytes `from` to `to` (line starts) in pieces of about
    // `pieceBytes`, each ending after a line break (a CR LF may be split
    // between two pieces), and calls onPiece(QStringView) with each decoded.
    Result readLines(qint64 from, qint64 to, const std::function<void(QStringView)>& onPiece,
                     qsizetype pieceBytes = qsizetype(1) << 20) const;

  private:
    TextFile::Status m_status = TextFile::Status::Ok;
    int m_error = 0;
    qint64 m_size = 0;
    int m_fd = -1;
};

// A Japanese sentence describing a read problem with `path` (and the lines
// a text box cut), empty when Ok.
QString readProblemMessage(const TextFile& file, const QString& path);

struct WriteResult {
    bool ok = true;
    QString error; // Japanese description naming the file when !ok
};
// Replaces the file in one step (see durablefile.h): a failure at any point,
// a crash or a kill leaves the old file as it was. Nothing is written when
// the text holds characters code page 932 cannot hold.
WriteResult writeTextFile(const QString& path, QStringView text);
// Appends the text to the file (created when missing): afterwards the file
// is either as it was or as it was followed by the whole text.
WriteResult appendTextFile(const QString& path, QStringView text);
// Replaces the file atomically with `bytes` as they are (for files kept
// in another encoding, such as word lists written for other programs).
WriteResult writeFileBytes(const QString& path, const QByteArray& bytes);
// Adds `line` and CR LF at the end of the file (created when missing) by
// replacing the whole file atomically, so it is either unchanged or complete;
// a last line without its line break gets one first. The existing bytes are
// kept exactly as they are.
WriteResult appendLineAtomically(const QString& path, QStringView line);
// Creates an empty file when nothing exists at `path`; leaves anything
// already there (a file that cannot be read, even a folder) for the reader
// to report.
WriteResult touchFile(const QString& path);
// The sentence for a failed write of `path` with the system's error number.
QString writeProblemMessage(const QString& path, int errorNumber);

// Splits text into lines the way the program reads files line by line: a
// line ends at CR LF, a lone CR or a lone LF; a last line without a break
// still counts; the break after the last line does not start another one.
QStringList splitLines(QStringView text);

// Calls `f(QStringView line)` for every line of `text`, split as splitLines
// does, without copying; `f` returns false to stop early.
template <class F> void forEachLine(QStringView text, F f)
{
    // Qt's vectorised search finds the breaks; each kind is searched for again
    // only once the lines have passed its last find.
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype nextCr = text.indexOf(u'\r');
    qsizetype nextLf = text.indexOf(u'\n');
    while (nextCr >= 0 || nextLf >= 0) {
        const qsizetype i = nextCr < 0 ? nextLf : nextLf < 0 ? nextCr : std::min(nextCr, nextLf);
        if (!f(text.sliced(start, i - start)))
            return;
        start = text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? i + 2 : i + 1;
        if (nextCr >= 0 && nextCr < start)
            nextCr = text.indexOf(u'\r', start);
        if (nextLf >= 0 && nextLf < start)
            nextLf = text.indexOf(u'\n', start);
    }
    if (start < n)
        f(text.sliced(start));
}

// The text with every line break (CR LF, a lone CR or a lone LF) written as
// CR LF, as a text box shows a file it has loaded.
QString withCrLf(QStringView text);

// The folder of a path including its trailing separator ("" when none).
QString folderOf(const QString& path);

} // namespace lumo
