#include "instrument/SharedLibrary.h"

#include <QFile>
#include <dlfcn.h>

#include "instrument/ElfCheck.h"

namespace tlv {

SharedLibrary::SharedLibrary(const QString& path) : path_(path)
{
    // A bare name is found by the loader's search among the system's libraries; a file the
    // user named is looked at first.
    if (path.contains('/')) {
        if (const QString refusal = ElfLoadRefusal(path); !refusal.isEmpty()) {
            error_ = path + ": " + refusal;
            return;
        }
    }
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        error_ = QString::fromLocal8Bit(dlerror());
}

SharedLibrary::~SharedLibrary()
{
    unload();
}

void* SharedLibrary::symbol(const char* name)
{
    if (!handle_)
        return nullptr;
    dlerror();
    void* address = dlsym(handle_, name);
    if (!address)
        error_ = QString("%1 has no %2").arg(path_, name);
    return address;
}

void SharedLibrary::unload()
{
    if (handle_)
        dlclose(handle_);
    handle_ = nullptr;
}

QString LibraryPath(const char* variable, const QString& fallback)
{
    const QString chosen = qEnvironmentVariable(variable);
    return chosen.isEmpty() ? fallback : chosen;
}

}  // namespace tlv
