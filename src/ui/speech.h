#pragma once
// Speaking English aloud, a seam beside those of ui/platform.h: the real one
// is an offline engine (Qt TextToSpeech with flite) in the lumo-speech module
// (ui/modules.h), loaded and started on the first word spoken, so nothing is
// paid for it before; tests put a recording stand-in in place
// (tests/support/fakes.h).
#include "base/seam.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace lumo {

class Speech {
  public:
    virtual ~Speech() = default;
    // Speaks the texts one after another without waiting, cutting short
    // whatever is being said. False when nothing can be heard: no engine, no
    // English voice or no audio output.
    virtual bool say(const QStringList& texts) = 0;
    // Whether say() can be heard; the first call starts the engine.
    virtual bool available() = 0;
    // From -1 (slowest) through 0 (normal) to 1 (fastest).
    virtual void setRate(double rate) = 0;
    virtual double rate() const = 0;

    // Tells the learner, once per run and without a modal box, that nothing
    // can be spoken: in the notice bar of the parent's window, or in a
    // non-modal box when that window has none. Every other function goes on.
    void tellUnavailable(QWidget* parent);
    bool toldUnavailable() const { return m_toldUnavailable; }

    static Speech& real();

  private:
    bool m_toldUnavailable = false;
};
inline Speech& speech()
{
    return Seam<Speech>::get();
}

// Speaks `texts` (empty ones left out); when they cannot be heard the learner
// is told once.
void speakAloud(QWidget* parent, const QStringList& texts);

// The notice shown when nothing can be spoken; a box that shows it has the
// objectName "speechNotice".
inline const QString kSpeechUnavailableText =
    QStringLiteral("発音を読み上げることができません（音声合成エンジンまたは音声の出力装置が見つかりません）。\n"
                   "読み上げのほかは、これまでどおりお使いいただけます。");

// What the installed engine offers, for the start-up check of the tests and
// for the learner's notice: whether there is one, the English voice chosen
// and, when it cannot speak, why. No engine is found when the lumo-speech
// module is missing.
struct SpeechEngineReport {
    bool engineFound = false;
    QString voice;       // empty without an English voice
    QString voiceLocale; // e.g. "en_US"
    QString problem;     // the engine's own description of a fault, if any
};
SpeechEngineReport probeSpeechEngine();

} // namespace lumo
