#pragma once
#include <QFunctionPointer>

// The code that uses Qt's big optional libraries (WebEngine for the web
// pages, Multimedia for the camera) is built as modules, shared libraries in
// <bin>/modules (<bin>/../lib/panelry once installed), so that starting the
// application does not load those libraries: a module is loaded when it is
// first used and stays loaded. A module the build has not, or one that does
// not load, gives no function, and the caller does without it.
namespace Modules {
// `function` of module `name` (e.g. "panelry_webengine"), or null.
QFunctionPointer resolve(const char *name, const char *function);
// `function` of module `name` as a pointer to `Function`, or null.
template <typename Function>
Function *resolve(const char *name, const char *function)
{
    return reinterpret_cast<Function *>(resolve(name, function));
}
}
