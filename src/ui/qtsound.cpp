// The lumo-sound module: WAV playback through Qt Multimedia, loaded by the
// program on its first sound (ui/modules.h).
#include "ui/platform.h"

#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSound final : public lumo::Sound {
  public:
    void play(const QString& wavPath) override
    {
        // One effect per file, kept for the run; playing never blocks and a
        // missing file or audio device just stays silent.
        QSoundEffect*& effect = m_effects[wavPath];
        if (!effect) {
            effect = new QSoundEffect(qApp);
            effect->setSource(QUrl::fromLocalFile(wavPath));
        }
        effect->stop();
        effect->play();
    }

  private:
    QHash<QString, QSoundEffect*> m_effects;
};

} // namespace

extern "C" Q_DECL_EXPORT lumo::Sound* lumo_create_sound()
{
    return new QtSound;
}
