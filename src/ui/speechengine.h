#pragma once
// The engine behind the real speech, made by the lumo-speech module
// (flitespeech.cpp) when the first word is to be spoken. Speech::real()
// (speech.cpp) drives it and tells the learner when nothing can be heard;
// only the module sees the engine's own headers and libraries.
#include "ui/speech.h"

#include <functional>

namespace lumo {

class SpeechEngine {
  public:
    virtual ~SpeechEngine() = default;
    // Whether what it says can be heard: an engine with an English voice and
    // an audio output, which has not failed since.
    virtual bool canBeHeard() const = 0;
    // Speaks the texts one after another without waiting, cutting short
    // whatever is being said; nothing when it cannot be heard.
    virtual void say(const QStringList& texts) = 0;
    // From -1 (slowest) through 0 (normal) to 1 (fastest).
    virtual void setRate(double rate) = 0;
    // `lost` is called once when the audio output goes away while speaking;
    // the engine then cannot be heard any more.
    virtual void whenLost(std::function<void()> lost) = 0;
    // What the engine offers and, when it cannot be heard, why.
    virtual SpeechEngineReport report() const = 0;
};

} // namespace lumo
