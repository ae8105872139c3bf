#pragma once
// The training history: one line per English word judged in question form,
// "English,meaning,date,marks", kept as text while the program runs and
// written to the two history files when it ends.

#include "base/programfiles.h"
#include "data/textfile.h"

#include <QDate>
#include <QString>

namespace lumo {

// The history text after recording a judgement (mark "○" or "×") of
// `english` with `meaning` on `date`. The mark joins the end of the line whose
// English field (the text before its first comma) equals `english` exactly;
// only when no line has that English field does a new line
// "english,meaning,2001/03/05,mark" start, preceded by an empty line. The text
// always gains a CR LF at its end first, so a joined mark leaves one more
// empty line behind.
QString recordJudgement(const QString& history, const QString& english, const QString& meaning, const QString& mark,
                        QDate date);

// Writes the history at exit: "LastTraining.dat" in `folder` replaced
// atomically by the history text, "Training.dat" appended with the history
// text and a CR LF in one write, both in code page 932. Each result says
// whether that file was written, with a Japanese message naming it
// otherwise; a failed write leaves the file as it was. Never throws.
struct HistorySaveResult {
    WriteResult last;
    WriteResult training;
    bool ok() const { return last.ok && training.ok; }
    // The messages of the failed writes, one per line; empty when both worked.
    QString errors() const;
    // What the learner is told at exit: for each file whether it took the
    // run, and why not; empty when both did.
    QString message() const;
};
HistorySaveResult saveHistory(const QString& folder, const QString& history);

} // namespace lumo
