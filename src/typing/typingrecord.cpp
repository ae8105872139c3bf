#include "typing/typingrecord.h"

#include "base/vkeys.h"
#include "data/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumo::typing {
namespace {

const QString kDateFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

// The most presses a one-minute test can count: the trainer counts them in
// 16 bits. A test line with more, or with a score its counts cannot give, was
// not written by the trainer and is not read (its figures would overflow the
// charts' arithmetic).
constexpr int kMostTestPresses = std::numeric_limits<std::int16_t>::max();

bool plausibleTest(const TestRecord& test)
{
    return test.characters <= kMostTestPresses && test.errors <= kMostTestPresses && test.score <= kMostTestPresses &&
           test.score >= -3 * kMostTestPresses;
}

// A field that is a whole number, or -1.
int number(QStringView field)
{
    bool ok = false;
    const int n = field.toInt(&ok);
    return ok ? n : -1;
}

// One key: a single character, upper-cased; the comma key comes quoted.
QChar keyOf(QStringView field)
{
    if (field == u"\",\"")
        return u',';
    return field.size() == 1 && field.front() != u'"' ? field.front().toUpper() : QChar();
}

// A key written as itself (not the quoted comma, not a NUL).
bool isPlainKey(QChar key)
{
    return key != u'"' && !key.isNull();
}

// Splits a line into exactly `fields.size()` comma-separated fields; a field
// in double quotes may hold a comma. False when the count differs.
template <size_t N> bool splitFields(QStringView line, std::array<QStringView, N>& fields)
{
    size_t n = 0;
    qsizetype start = 0;
    while (n < N) {
        qsizetype end = start;
        if (end < line.size() && line[end] == u'"') {
            const qsizetype close = line.indexOf(u'"', end + 1);
            if (close < 0)
                return false;
            end = close + 1;
        } else {
            end = line.indexOf(u',', start);
            if (end < 0)
                end = line.size();
        }
        fields[n++] = line.sliced(start, end - start);
        if (end == line.size())
            return n == N;
        if (line[end] != u',')
            return false;
        start = end + 1;
    }
    return false;
}

// Whether some key prints `c` (what the trainer judges a press as).
bool printedByAKey(QChar c)
{
    static const QString printed = [] {
        QString chars;
        for (int code = 0; code < 256; ++code)
            if (const QChar p = vk::printedCharacter(code); !p.isNull() && !chars.contains(p))
                chars += p;
        return chars;
    }();
    return printed.contains(c);
}

} // namespace

QString typingRecordHeader()
{
    return QStringLiteral("record,date,test,characters,errors,score,expected,pressed") + kCrLf;
}

QString testRecordLine(const TestRecord& test)
{
    return QStringLiteral("T,%1,%2,%3,%4,%5,,")
               .arg(test.when.toString(kDateFormat))
               .arg(test.level)
               .arg(test.characters)
               .arg(test.errors)
               .arg(test.score) +
           kCrLf;
}

// A key as a field: the comma key is quoted, as in CSV.
QString keyField(QChar key)
{
    return key == u',' ? QStringLiteral("\",\"") : QString(key.toUpper());
}

QString keyRecordLine(QChar expected, QChar pressed)
{
    return QStringLiteral("K,,,,,,") + keyField(expected) + u',' + keyField(pressed) + kCrLf;
}

QChar KeyStats::mostOftenInstead() const
{
    QChar best;
    int bestCount = 0;
    for (const auto& [key, n] : pressedInstead)
        if (n > bestCount) {
            best = key;
            bestCount = n;
        }
    return best;
}

TypingRecord readTypingRecord(QStringView text)
{
    TypingRecord record;
    // The statistics of the keys on the keyboard, looked up once each.
    std::array<KeyStats*, 128> asciiKeys{};
    const auto statsOf = [&](QChar key) -> KeyStats& {
        if (key.unicode() >= asciiKeys.size())
            return record.keys[key];
        KeyStats*& known = asciiKeys[key.unicode()];
        if (!known)
            known = &record.keys[key];
        return *known;
    };
    const auto countKey = [&](QChar expected, QChar pressed) {
        KeyStats& stats = statsOf(expected);
        ++stats.presses;
        if (pressed != expected) {
            ++stats.errors;
            ++stats.pressedInstead[pressed];
        }
        ++record.keyLines;
    };
    bool first = true;
    forEachLine(text, [&](QStringView line) -> bool {
        const bool header = first;
        first = false;
        if (line.isEmpty() || (header && line.startsWith(u"record,")))
            return true;
        // Nearly every line is a key line "K,,,,,,A,S": those are read in
        // place, with the two keys' counts kept at hand.
        if (line.size() == 10 && line.startsWith(u"K,,,,,,") && line[8] == u',' && isPlainKey(line[7]) &&
            isPlainKey(line[9])) {
            countKey(line[7].toUpper(), line[9].toUpper());
            return true;
        }
        // Eight fields: the kind, then the test's five, then the two keys.
        std::array<QStringView, 8> f;
        if (!splitFields(line, f)) {
            ++record.skippedLines;
            return true;
        }
        if (f[0] == u"K") {
            const QChar expected = keyOf(f[6]), pressed = keyOf(f[7]);
            if (expected.isNull() || pressed.isNull()) {
                ++record.skippedLines;
                return true;
            }
            countKey(expected, pressed);
        } else if (f[0] == u"T") {
            TestRecord test;
            test.when = QDateTime::fromString(f[1].toString(), kDateFormat);
            test.level = number(f[2]);
            test.characters = number(f[3]);
            test.errors = number(f[4]);
            bool scoreOk = false;
            test.score = f[5].toInt(&scoreOk); // a score may be negative
            if (!test.when.isValid() || test.level < 1 || test.level > 3 || test.characters < 0 || test.errors < 0 ||
                !scoreOk || !plausibleTest(test)) {
                ++record.skippedLines;
                return true;
            }
            record.tests.push_back(test);
        } else {
            ++record.skippedLines;
        }
        return true;
    });
    return record;
}

QString worstKeys(const TypingRecord& record, int count, int minPresses)
{
    std::vector<std::pair<QChar, const KeyStats*>> candidates;
    for (const auto& [key, stats] : record.keys)
        if (stats.presses >= minPresses && stats.errors > 0 && key != u' ')
            candidates.emplace_back(key, &stats);
    std::stable_sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        if (a.second->errorRate() != b.second->errorRate())
            return a.second->errorRate() > b.second->errorRate();
        return a.second->errors > b.second->errors;
    });
    QString keys;
    for (int i = 0; i < count && i < int(candidates.size()); ++i)
        keys += candidates[i].first;
    return keys;
}

void TypingRecorder::addJudgedKey(const QString& expected, const QString& pressed)
{
    if (expected.size() == 1 && pressed.size() == 1 && printedByAKey(expected.front().toUpper()) &&
        printedByAKey(pressed.front().toUpper()))
        addKey(expected.front(), pressed.front());
}

QString TypingRecorder::textToAppend(qint64 existingSize) const
{
    return existingSize > 0 ? m_pending : typingRecordHeader() + m_pending;
}

WriteResult appendTypingRecord(const QString& folder, const TypingRecorder& recorder)
{
    if (recorder.empty())
        return {};
    const QString path = folder + QString::fromUtf16(kTypingRecordFile);
    const QFileInfo info(path);
    const qint64 size = info.isFile() ? info.size() : 0;
    QString text = recorder.textToAppend(size);
    // A last line without its break (a file edited by hand) keeps its own line.
    QFile file(path);
    char last = '\n';
    if (size > 0 && file.open(QIODevice::ReadOnly) && file.seek(size - 1) && file.getChar(&last) && last != '\n' &&
        last != '\r')
        text.prepend(QStringLiteral("\r\n"));
    return appendTextFile(path, text);
}

} // namespace lumo::typing
