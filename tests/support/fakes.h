#pragma once
// Scripted stand-ins for the platform layer and the core seams. A test puts
// one in place for its own lifetime:
//     lumo::test::ScriptedDialogs dialogs;   // installs itself
//     dialogs.answers = {true};              // the next question answers Yes
// and afterwards reads what was shown, played or opened.

#include "base/clock.h"
#include "base/random.h"
#include "ui/platform.h"
#include "ui/speech.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

class QTimer;
class QWidget;

#include <deque>
#include <optional>

namespace lumo::test {

struct Shown {
    enum Kind { Notice, Question, Confirm, Input, SaveFile, OpenFile } kind;
    QString text;  // message or prompt
    QString title; // title (the filter, for SaveFile, is in `extra`)
    QString extra;
};

class ScriptedDialogs final : public Dialogs {
  public:
    ScriptedDialogs() : m_guard(this) {}
    // Answers to question() and confirm(), in order; when empty, Yes/OK.
    std::deque<bool> answers;
    // Replies to input(); when empty, the box is cancelled.
    std::deque<std::optional<QString>> inputs;
    // Replies to saveFile(); when empty, the dialog is cancelled.
    std::deque<std::optional<QString>> saveFiles;
    // Replies to openFile(); when empty, the dialog is cancelled.
    std::deque<std::optional<QString>> openFiles;
    std::vector<Shown> shown;

    void notice(QWidget*, const QString& text, const QString& title) override;
    bool question(QWidget*, const QString& text, const QString& title) override;
    bool confirm(QWidget*, const QString& text, const QString& title) override;
    std::optional<QString> input(QWidget*, const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> saveFile(QWidget*, const QString& title, const QString& filter) override;
    std::optional<QString> openFile(QWidget*, const QString& title, const QString& filter) override;

    QStringList texts() const; // the texts of everything shown, in order
    int count(Shown::Kind kind) const;

  private:
    ScopedSeam<Dialogs> m_guard;
};

class RecordingSound final : public Sound {
  public:
    RecordingSound() : m_guard(this) {}
    QStringList played; // full paths
    void play(const QString& wavPath) override { played.append(wavPath); }

  private:
    ScopedSeam<Sound> m_guard;
};

class RecordingShell final : public Shell {
  public:
    RecordingShell() : m_guard(this) {}
    QStringList opened;
    void open(const QString& path) override { opened.append(path); }

  private:
    ScopedSeam<Shell> m_guard;
};

// The print dialog: each reply either prints into a PDF file at that path
// (a PDF writer with the page layout asked for) or, for nullopt, cancels.
// When no reply is left, the dialog is cancelled. `canPrint` false plays a
// machine without printer support, where no dialog is shown.
class ScriptedPrinting final : public Printing {
  public:
    ScriptedPrinting() : m_guard(this) {}
    std::deque<std::optional<QString>> replies;
    bool canPrint = true;
    int shown = 0;
    bool available() override { return canPrint; }
    std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget* parent, const QPageLayout& layout,
                                                     const QString& title) override;

  private:
    ScopedSeam<Printing> m_guard;
};

// Records what would have been said; `canSpeak` false plays a machine
// without an engine or an audio output.
class RecordingSpeech final : public Speech {
  public:
    RecordingSpeech() : m_guard(this) {}
    bool canSpeak = true;
    QList<QStringList> said; // one entry per say(), its texts in order
    double spokenRate = 0.0;
    bool say(const QStringList& texts) override
    {
        if (!canSpeak)
            return false;
        said.append(texts);
        return true;
    }
    bool available() override { return canSpeak; }
    void setRate(double rate) override { spokenRate = rate; }
    double rate() const override { return spokenRate; }
    // Every text said, in order.
    QStringList words() const
    {
        QStringList all;
        for (const QStringList& texts : said)
            all += texts;
        return all;
    }

  private:
    ScopedSeam<Speech> m_guard;
};

class FixedScreen final : public Screen {
  public:
    explicit FixedScreen(QSize pixels = {1280, 1024}) : size(pixels), m_guard(this) {}
    QSize size;
    QSize pixels() const override { return size; }

  private:
    ScopedSeam<Screen> m_guard;
};

// Draws from a script; when the script runs out, 0.
class ScriptedRandom final : public RandomSource {
  public:
    ScriptedRandom() : m_guard(this) {}
    std::deque<float> values;
    int randomizeCalls = 0;
    int draws = 0;
    float next() override
    {
        ++draws;
        if (values.empty())
            return 0.0f;
        const float v = values.front();
        values.pop_front();
        return v;
    }
    void randomize() override { ++randomizeCalls; }

  private:
    ScopedSeam<RandomSource> m_guard;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(QDate date = QDate(2001, 3, 5)) : day(date), m_guard(this) {}
    QDate day;
    QTime time = QTime(9, 30);
    QDate today() const override { return day; }
    QDateTime now() const override { return QDateTime(day, time); }

  private:
    ScopedSeam<Clock> m_guard;
};

// All of the above at once, for window tests.
struct Platform {
    ScriptedDialogs dialogs;
    RecordingSound sound;
    RecordingShell shell;
    RecordingSpeech speech;
    FixedScreen screen;
    ScriptedPrinting printing;
    ScriptedRandom random;
    FixedClock clock;
};

// A program folder in a fresh temporary directory, with helpers to put
// byte-exact files into it.
class TempProgramFolder {
  public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const; // with trailing separator
    // Writes `text` (UTF-8 source) as code page 932, LF turned into CR LF.
    void write(const QString& name, const QString& text) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;
    bool exists(const QString& name) const;

  private:
    struct Impl;
    Impl* m_impl;
};

// Window timers are QTimer children named like the control they stand for
// ("Timer1"). A test ticks one without waiting real time: the timer's
// timeout signal is emitted, so the tick goes through the window's own
// connection, whether or not the timer is running. Fails the test when the
// window has no such timer.
QTimer* findTimer(const QObject& window, const QString& name);
void tick(const QObject& window, const QString& name = QStringLiteral("Timer1"));

// Ends the program through the main window's 終了 button and returns the
// history text of the run as it was written to "LastTraining.dat" (empty
// when the run judged nothing and so wrote nothing).
QString historyAtExit(QWidget* quizWindow, const TempProgramFolder& folder);

// The bytes of `text` in code page 932 with LF turned into CR LF.
QByteArray cp932Bytes(const QString& text);

} // namespace lumo::test
