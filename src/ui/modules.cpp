#include "ui/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

// The build sets the folder for its install layout; this is the usual one.
#ifndef LUMO_MODULES_FROM_EXECUTABLE
#define LUMO_MODULES_FROM_EXECUTABLE "../lib/lumo-english"
#endif

namespace lumo {

QString moduleFolderFromExecutable()
{
    return QStringLiteral(LUMO_MODULES_FROM_EXECUTABLE);
}

QString moduleFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + moduleFolderFromExecutable());
}

namespace detail {

QFunctionPointer moduleFactory(const QString& folder, const ModuleFile& module)
{
    // Never unloaded: what the module makes lives for the run.
    QLibrary library((folder.isEmpty() ? moduleFolder() : folder) + u'/' + QString::fromLatin1(module.name));
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const QFunctionPointer factory = library.resolve(module.factory);
    if (!factory)
        qWarning("Module %s not loaded: %s", module.name, qPrintable(library.errorString()));
    return factory;
}

} // namespace detail
} // namespace lumo
