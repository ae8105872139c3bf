#pragma once
// The sentence record "SentenceRecord.dat" in the program folder: one line
// per judged sentence, code page 932, CR LF, fields separated by tabs:
//     2026/12/07 13:05:09<TAB>D<TAB>1<TAB>×<TAB>0<TAB>sentence<TAB>typed<TAB>word,meaning<TAB>word…
// when; D (dictation) or T (Japanese into English); the try at this sentence
// (1 the first); ○ right or × wrong; hints asked before this judgement; the
// English sentence; the typed answer; then each word of the sentence not
// typed right, in lower case, with its meaning after a comma where the
// practice knew it. Tabs and line breaks inside a text become spaces, and a
// character code page 932 cannot hold becomes "?". Lines that cannot be
// read are skipped and counted, never fatal.
#include "data/textfile.h"
#include "data/wordsource.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace lumo {

inline constexpr char16_t kSentenceRecordFile[] = u"SentenceRecord.dat";

enum class SentenceMode { Dictation, Translation };

struct SentenceAttempt {
    QDateTime when;
    SentenceMode mode = SentenceMode::Translation;
    int attempt = 1;
    bool right = false;
    int hints = 0;
    QString sentence;
    QString typed;
    WordList missed; // meaning empty where not known
    // Right at the first try without a hint.
    bool firstTimeRight() const { return attempt == 1 && right && hints == 0; }
};

// The line of an attempt, without its line break.
QString sentenceRecordLine(const SentenceAttempt& attempt);
std::optional<SentenceAttempt> readSentenceRecordLine(QStringView line);

// Appends the attempt to the record of the program folder `folder` in one
// crash-safe step: afterwards the file holds either its old lines or them
// and the new one.
WriteResult appendSentenceAttempt(const QString& folder, const SentenceAttempt& attempt);

struct SentenceDay {
    QDate day;
    int sentences = 0;  // sentences practised (first tries)
    int firstRight = 0; // of them right at the first try without a hint
    int judgements = 0; // every judgement, later tries included
    double firstRightShare() const { return sentences ? double(firstRight) / sentences : 0.0; }
};

struct SentenceMissedWord {
    QString word;
    QString meaning; // the latest known, empty when never known
    int misses = 0;
    QDate lastSeen;
    QString sentence; // the latest sentence it was missed in
};

struct SentenceSummary {
    std::vector<SentenceDay> last30Days; // oldest first, today last
    int sentences = 0;
    int firstRight = 0;
    std::vector<SentenceMissedWord> mostMissed; // most misses first, then the latest
    int readLines = 0;
    int skippedLines = 0;
};

SentenceSummary summariseSentenceRecord(QStringView text, QDate today, int mostMissedCount = 20);

} // namespace lumo
