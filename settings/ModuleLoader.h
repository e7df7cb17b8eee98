#pragma once

#include <dlfcn.h>

// Loads one of the program's modules and finds its entry; null when either
// fails, and dlerror() says why. Internal to each caller, so that dlopen()
// searches the caller's own run path (the build tree's), else the system's
// library directories. Lazy binding, as for linked libraries; the module
// stays loaded until exit.
//
// The module and its libraries look their symbols up among themselves
// first (RTLD_DEEPBIND): the executable and the C library, which every
// lookup would otherwise search first, hold none of the C++ symbols. The
// executable therefore defines no symbol a library uses (no copy of stderr,
// for one).
template<typename Entry>
static Entry loadModuleEntry(const char *fileName, const char *entryName)
{
    void *module = dlopen(fileName, RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND);
    return module ? reinterpret_cast<Entry>(dlsym(module, entryName)) : nullptr;
}
