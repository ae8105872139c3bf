#pragma once
// The typing record: every finished one-minute test and every key judged in
// practice and tests, kept in "TypingRecord.dat" in the program folder (code
// page 932, CR LF, one record a line, fields separated by commas, a header
// line naming them). A test line:
//     T,2026/12/07 13:05:00,2,240,6,222,,
// (test level 1-3, characters typed right, errors, score); a key line:
//     K,,,,,,A,S
// (the key expected, the key pressed; the same key when it was right; the
// comma key is written in double quotes: K,,,,,,",",M).
// Lines that cannot be read are skipped and counted, never fatal.
#include "data/textfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <map>
#include <vector>

namespace lumo::typing {

inline constexpr char16_t kTypingRecordFile[] = u"TypingRecord.dat";
// The first line of the file.
QString typingRecordHeader();

struct TestRecord {
    QDateTime when;
    int level = 1; // 1 初級, 2 中級, 3 上級
    int characters = 0;
    int errors = 0;
    int score = 0;
};

// The lines that record one finished test and a run of judged keys; each line
// ends in CR LF.
QString testRecordLine(const TestRecord& test);
QString keyRecordLine(QChar expected, QChar pressed);

// What the record says about one key.
struct KeyStats {
    int presses = 0; // times it was the key to type
    int errors = 0;  // times another key was pressed instead
    std::map<QChar, int> pressedInstead;
    double errorRate() const { return presses ? double(errors) / presses : 0.0; }
    // The key pressed instead most often (the first in key order on a tie);
    // a null QChar when it was never missed.
    QChar mostOftenInstead() const;
};

struct TypingRecord {
    std::vector<TestRecord> tests;  // in the order of the file
    std::map<QChar, KeyStats> keys; // by the key expected, upper-case
    int keyLines = 0;
    int skippedLines = 0; // not empty and not readable (the header aside)
};

// Reads the text of "TypingRecord.dat".
TypingRecord readTypingRecord(QStringView text);

// The keys missed most, by error rate, then by errors, then in key order;
// keys pressed fewer than `minPresses` times are left out (too few to tell).
QString worstKeys(const TypingRecord& record, int count = 5, int minPresses = 10);

// Collects a session's lines, to be appended to the file in one write.
class TypingRecorder {
  public:
    void addKey(QChar expected, QChar pressed) { m_pending += keyRecordLine(expected, pressed); }
    // A key the trainer judged: kept when a character was to be typed and
    // both are single characters a key prints (a line may hold characters no
    // key types, such as quotes; a press with nothing to type misses no key).
    void addJudgedKey(const QString& expected, const QString& pressed);
    void addTest(const TestRecord& test) { m_pending += testRecordLine(test); }
    bool empty() const { return m_pending.isEmpty(); }
    // The text to append to a file that holds `existingSize` bytes: the header
    // first when the file is new or empty.
    QString textToAppend(qint64 existingSize) const;
    void clear() { m_pending.clear(); }
    // The lines collected so far, without the header.
    const QString& lines() const { return m_pending; }

  private:
    QString m_pending;
};

// Appends what `recorder` holds to "TypingRecord.dat" in `folder` (with its
// trailing separator) in one atomic write, code page 932: the header first
// when the file is new or empty, a line break first when its last line has
// none. Nothing is written when the recorder is empty. On failure the file is
// as it was and the result names it and the reason.
WriteResult appendTypingRecord(const QString& folder, const TypingRecorder& recorder);

} // namespace lumo::typing
