#pragma once
// WAV playback lives in a module of its own (lumo-sound), loaded on the first
// sound: Qt Multimedia and the audio libraries behind it take several
// megabytes that a learner who never hears a sound should not pay for, and
// the start-up should not wait for them.
#include "ui/platform.h"

// The module's one entry point: a new Sound, owned by the caller.
extern "C" {
using LumoCreateSound = lumo::Sound* (*)();
}
inline constexpr const char* kLumoCreateSoundSymbol = "lumo_create_sound";

namespace lumo {

// The module's file, relative to the executable's folder.
QString soundModuleFromExecutable();

// Loads the module from `modulePath` and creates its Sound; nullptr when the
// module is missing or broken (the program then stays silent).
Sound* loadSoundModule(const QString& modulePath);

} // namespace lumo
