// The real speech: Qt TextToSpeech with the flite engine (no daemon, no
// network). Only this file sees the engine's headers.
#include "ui/speech.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTextToSpeech>
#include <QVoice>

#include <optional>

namespace lumo {
namespace {

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

QTextToSpeech* createEngine(QObject* parent)
{
    if (!QTextToSpeech::availableEngines().contains(kEngine))
        return nullptr;
    return new QTextToSpeech(kEngine, parent);
}

class FliteSpeech final : public Speech {
  public:
    bool say(const QStringList& texts) override
    {
        if (!available())
            return false;
        m_queue.clear();
        m_engine->stop();
        m_queue = texts;
        sayNext();
        return true;
    }

    bool available() override
    {
        start();
        return m_engine && !m_failed;
    }

    void setRate(double rate) override
    {
        m_rate = rate;
        if (m_engine)
            m_engine->setRate(rate);
    }
    double rate() const override { return m_rate; }

    void setParent(QWidget* parent) { m_parent = parent; }

  private:
    // The engine is made on the first word to speak, owned by the
    // application so it goes before the program's libraries do.
    void start()
    {
        if (m_started)
            return;
        m_started = true;
        m_engine = createEngine(qApp);
        if (!m_engine)
            return;
        const std::optional<QVoice> voice = englishVoice(*m_engine);
        // Without an audio output the engine says so at once.
        if (!voice || cannotBeHeard(*m_engine)) {
            m_failed = true;
            return;
        }
        m_engine->setVoice(*voice);
        m_engine->setRate(m_rate);
        QObject::connect(m_engine, &QTextToSpeech::stateChanged, m_engine, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready)
                sayNext();
        });
        QObject::connect(m_engine, &QTextToSpeech::errorOccurred, m_engine, [this] {
            // The output went away while speaking: tell the learner once and
            // stop trying.
            m_failed = true;
            m_queue.clear();
            tellUnavailable(m_parent);
        });
    }

    void sayNext()
    {
        if (m_queue.isEmpty() || !m_engine)
            return;
        m_engine->say(m_queue.takeFirst());
    }

    QPointer<QTextToSpeech> m_engine;
    QPointer<QWidget> m_parent;
    QStringList m_queue;
    double m_rate = 0.0;
    bool m_started = false;
    bool m_failed = false;
};

FliteSpeech& flite()
{
    static FliteSpeech s;
    return s;
}

} // namespace

Speech& Speech::real()
{
    return flite();
}

namespace {

// The notice bar (ui/noticebar.h) of the parent's own window, never one of a
// window inside it; null when that window has none. Found through Qt's type
// information, so this library does not link the windows' library.
QObject* noticeBarOf(QWidget* parent)
{
    if (!parent)
        return nullptr;
    QWidget* window = parent->window();
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->inherits("lumo::NoticeBar") && child->window() == window)
            return child;
    return nullptr;
}

} // namespace

void Speech::tellUnavailable(QWidget* parent)
{
    if (m_toldUnavailable)
        return;
    m_toldUnavailable = true;
    // In the window that asked to speak, when it has a notice bar.
    if (QObject* bar = noticeBarOf(parent);
        bar && QMetaObject::invokeMethod(bar, "addNotice", Q_ARG(QString, kSpeechUnavailableText)))
        return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Lumo-English"), kSpeechUnavailableText,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("speechNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void speakAloud(QWidget* parent, const QStringList& texts)
{
    QStringList words;
    for (const QString& text : texts)
        if (!text.trimmed().isEmpty())
            words.append(text.trimmed());
    if (words.isEmpty())
        return;
    Speech& s = speech();
    if (&s == &flite())
        flite().setParent(parent);
    if (!s.say(words))
        s.tellUnavailable(parent);
}

SpeechEngineReport probeSpeechEngine()
{
    SpeechEngineReport report;
    QTextToSpeech* engine = createEngine(nullptr);
    if (!engine)
        return report;
    report.engineFound = true;
    if (const std::optional<QVoice> voice = englishVoice(*engine)) {
        report.voice = voice->name();
        report.voiceLocale = voice->locale().name();
    }
    if (cannotBeHeard(*engine))
        report.problem = engine->errorString();
    delete engine;
    return report;
}

} // namespace lumo
