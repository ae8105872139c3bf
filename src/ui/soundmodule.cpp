#include "ui/soundmodule.h"

#include <QLibrary>

// The build sets the path for its install layout; this is the usual one.
#ifndef LUMO_SOUND_MODULE_FROM_EXECUTABLE
#define LUMO_SOUND_MODULE_FROM_EXECUTABLE "../lib/lumo-english/lumo-sound"
#endif

namespace lumo {

QString soundModuleFromExecutable()
{
    return QStringLiteral(LUMO_SOUND_MODULE_FROM_EXECUTABLE);
}

Sound* loadSoundModule(const QString& modulePath)
{
    // Never unloaded: the sound it creates lives for the run.
    QLibrary module(modulePath);
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto create = reinterpret_cast<LumoCreateSound>(module.resolve(kLumoCreateSoundSymbol));
    if (!create) {
        qWarning("No sounds: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    return create();
}

} // namespace lumo
