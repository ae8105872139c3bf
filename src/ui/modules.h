#pragma once
// The parts of the program that need large libraries live in modules of their
// own, loaded the first time the learner uses them: WAV playback (lumo-sound,
// Qt Multimedia and the audio libraries), speaking aloud (lumo-speech, Qt
// TextToSpeech) and printing (lumo-print, Qt PrintSupport). Merely linking
// those libraries costs memory and start-up time in every run, also in the
// many runs that never play, speak or print. The executable links none of
// them; each module has one extern "C" factory that makes the part's real
// object, and the program stays usable when a module is missing or broken.

#include <QString>

#include <memory>

namespace lumo {

class Printing;
class Sound;
class Speech;

struct ModuleFile {
    const char* name;    // file name without its suffix
    const char* factory; // the factory's symbol
};
// lumo::Sound* lumo_create_sound()
inline constexpr ModuleFile kSoundModule{"lumo-sound", "lumo_create_sound"};
// lumo::SpeechEngine* lumo_create_speech_engine() (ui/speechengine.h)
inline constexpr ModuleFile kSpeechModule{"lumo-speech", "lumo_create_speech_engine"};
// lumo::Printing* lumo_create_printing()
inline constexpr ModuleFile kPrintModule{"lumo-print", "lumo_create_printing"};
// lumo::exchange::DeckReader* lumo_create_deck_reader() (exchange/deckbook.h):
// Anki packages, with the zip, zstd and SQLite libraries
inline constexpr ModuleFile kDeckModule{"lumo-decks", "lumo_create_deck_reader"};

// The modules' folder relative to the executable's folder; a build puts them
// at the same place relative to its executable as an installation does.
QString moduleFolderFromExecutable();
// The modules' folder of this run, beside the running executable.
QString moduleFolder();

namespace detail {
// The factory of `module` in `folder` (moduleFolder() when empty); null (with a warning) when the module
// is missing, cannot be loaded or has no factory. A loaded module stays
// loaded for the run: what it made may live that long.
QFunctionPointer moduleFactory(const QString& folder, const ModuleFile& module);
} // namespace detail

// Loads `module` from `folder` (the folder of this run when empty) and makes
// its object, owned by the caller; nullptr when the module is missing or
// broken.
template <class T> T* createFromModule(const QString& folder, const ModuleFile& module)
{
    using Factory = T* (*)();
    const QFunctionPointer factory = detail::moduleFactory(folder, module);
    return factory ? reinterpret_cast<Factory>(factory)() : nullptr;
}

// The real sound, speech and printing, each loading its module from `folder`
// when first used (from moduleFolder() when `folder` is empty). Sound::real(),
// Speech::real() and Printing::real() are these with the program's folder;
// tests make them with a folder that lacks the module.
std::unique_ptr<Sound> soundFromModule(const QString& folder);
std::unique_ptr<Speech> speechFromModule(const QString& folder);
std::unique_ptr<Printing> printingFromModule(const QString& folder);

} // namespace lumo
