// The lumo-speech module: the speech engine through Qt TextToSpeech with the
// flite engine (no daemon, no network), loaded by the program when the first
// word is to be spoken (ui/modules.h). Only this file sees the engine's
// headers.
#include "ui/speechengine.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>
#include <QVoice>

#include <optional>

namespace {

using lumo::SpeechEngineReport;

const QString kEngine = QStringLiteral("flite");

// The voice to speak with: the engine's current one when it is English,
// otherwise its first English voice; nullopt without one.
std::optional<QVoice> englishVoice(const QTextToSpeech& engine)
{
    if (engine.voice().locale().language() == QLocale::English)
        return engine.voice();
    const QList<QVoice> voices = engine.availableVoices();
    for (const QVoice& voice : voices)
        if (voice.locale().language() == QLocale::English)
            return voice;
    return std::nullopt;
}

// Whether the engine says at once that it cannot be heard. Qt 6.4's flite
// engine reports a missing audio output as a playback error right after it
// is made; its error reason may read Initialization with no message while it
// works, so only the playback error and the error state count.
bool cannotBeHeard(const QTextToSpeech& engine)
{
    return engine.state() == QTextToSpeech::Error || engine.errorReason() == QTextToSpeech::ErrorReason::Playback;
}

class FliteSpeech final : public lumo::SpeechEngine {
  public:
    FliteSpeech()
    {
        if (!QTextToSpeech::availableEngines().contains(kEngine))
            return;
        // Owned by the application, so it goes before the libraries do.
        m_engine = new QTextToSpeech(kEngine, QCoreApplication::instance());
        const std::optional<QVoice> voice = englishVoice(*m_engine);
        // Without an audio output the engine says so at once.
        if (!voice || cannotBeHeard(*m_engine)) {
            m_failed = true;
            return;
        }
        m_engine->setVoice(*voice);
        QObject::connect(m_engine, &QTextToSpeech::stateChanged, m_engine, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready)
                sayNext();
        });
        QObject::connect(m_engine, &QTextToSpeech::errorOccurred, m_engine, [this] {
            // The output went away while speaking: stop trying.
            m_failed = true;
            m_queue.clear();
            if (m_lost)
                m_lost();
        });
    }
    ~FliteSpeech() override { delete m_engine; }
    FliteSpeech(const FliteSpeech&) = delete;
    FliteSpeech& operator=(const FliteSpeech&) = delete;

    bool canBeHeard() const override { return m_engine && !m_failed; }

    void say(const QStringList& texts) override
    {
        if (!canBeHeard())
            return;
        m_queue.clear();
        m_engine->stop();
        m_queue = texts;
        sayNext();
    }

    void setRate(double rate) override
    {
        if (m_engine)
            m_engine->setRate(rate);
    }

    void whenLost(std::function<void()> lost) override { m_lost = std::move(lost); }

    SpeechEngineReport report() const override
    {
        SpeechEngineReport report;
        if (!m_engine)
            return report;
        report.engineFound = true;
        if (const std::optional<QVoice> voice = englishVoice(*m_engine)) {
            report.voice = voice->name();
            report.voiceLocale = voice->locale().name();
        }
        if (cannotBeHeard(*m_engine))
            report.problem = m_engine->errorString();
        return report;
    }

  private:
    void sayNext()
    {
        if (m_queue.isEmpty() || !m_engine)
            return;
        m_engine->say(m_queue.takeFirst());
    }

    QPointer<QTextToSpeech> m_engine;
    QStringList m_queue;
    std::function<void()> m_lost;
    bool m_failed = false;
};

} // namespace

extern "C" Q_DECL_EXPORT lumo::SpeechEngine* lumo_create_speech_engine()
{
    return new FliteSpeech;
}
