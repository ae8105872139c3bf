// The real speech: the engine of the lumo-speech module (speechengine.h),
// loaded and started on the first word to speak, and the learner's notice
// when nothing can be heard.
#include "ui/speech.h"

#include "ui/modules.h"
#include "ui/speechengine.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace lumo {
namespace {

class SpeechOnDemand final : public Speech {
  public:
    explicit SpeechOnDemand(QString folder) : m_folder(std::move(folder)) {}

    bool say(const QStringList& texts) override
    {
        if (!available())
            return false;
        m_engine->say(texts);
        return true;
    }

    bool available() override
    {
        start();
        return m_engine && m_engine->canBeHeard();
    }

    void setRate(double rate) override
    {
        m_rate = rate;
        if (m_engine)
            m_engine->setRate(rate);
    }
    double rate() const override { return m_rate; }

    // The window to tell when the output goes away while speaking.
    void setParent(QWidget* parent) { m_parent = parent; }

  private:
    void start()
    {
        if (m_started)
            return;
        m_started = true;
        m_engine.reset(createFromModule<SpeechEngine>(m_folder, kSpeechModule));
        if (!m_engine)
            return; // no module: as without an engine
        m_engine->setRate(m_rate);
        m_engine->whenLost([this] { tellUnavailable(m_parent); });
    }

    QString m_folder;
    std::unique_ptr<SpeechEngine> m_engine;
    QPointer<QWidget> m_parent;
    double m_rate = 0.0;
    bool m_started = false;
};

// The notice bar (ui/noticebar.h) of the parent's own window, never one of a
// window inside it; null when that window has none. Found through Qt's type
// information, so the speech needs nothing of the windows.
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

std::unique_ptr<Speech> speechFromModule(const QString& folder)
{
    return std::make_unique<SpeechOnDemand>(folder);
}

Speech& Speech::real()
{
    static const std::unique_ptr<Speech> s = speechFromModule(QString());
    return *s;
}

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
    if (auto* real = dynamic_cast<SpeechOnDemand*>(&s))
        real->setParent(parent);
    if (!s.say(words))
        s.tellUnavailable(parent);
}

SpeechEngineReport probeSpeechEngine()
{
    const std::unique_ptr<SpeechEngine> engine(createFromModule<SpeechEngine>(moduleFolder(), kSpeechModule));
    return engine ? engine->report() : SpeechEngineReport{};
}

} // namespace lumo
