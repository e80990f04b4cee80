#pragma once

#include <QString>

// A library loaded at run time, so that the program builds and runs where it is absent.
namespace tlv {

class SharedLibrary {
public:
    // Loads path now; loaded() tells whether it worked and error() why not.
    explicit SharedLibrary(const QString& path);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    ~SharedLibrary();

    bool loaded() const { return handle_ != nullptr; }
    QString path() const { return path_; }
    QString error() const { return error_; }

    // The address of a symbol; nullptr, with the reason in error(), when the library lacks it.
    void* symbol(const char* name);
    template <class T>
    bool resolve(T& pointer, const char* name)
    {
        pointer = reinterpret_cast<T>(symbol(name));
        return pointer != nullptr;
    }
    // Gives the library back; every symbol taken from it is void from now on.
    void unload();

private:
    QString path_;
    void* handle_ = nullptr;
    QString error_;
};

// $variable when it is set and not empty, otherwise fallback.
QString LibraryPath(const char* variable, const QString& fallback);

}  // namespace tlv
