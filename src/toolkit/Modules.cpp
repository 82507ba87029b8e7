#include "toolkit/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

QFunctionPointer Modules::resolve(const char *name, const char *function)
{
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString &dir : {bin + "/modules", bin + "/../lib/panelry"}) {
        // The build names a module as the platform does a library.
        const QString file = dir + "/lib" + name + ".so";
        if (!QFileInfo::exists(file))
            continue;
        QLibrary module(file);
        if (module.load())
            return module.resolve(function);
        // A module that is there and does not load says why.
        qWarning("%s", qUtf8Printable(module.errorString()));
    }
    return nullptr;
}
