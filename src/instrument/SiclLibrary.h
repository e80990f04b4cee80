#pragma once

#include "instrument/SharedLibrary.h"
#include "instrument/SiclDriver.h"

// A SICL library (libsicl.so, or the simulated bus's) loaded at run time. Without one, iopen
// fails with the reason the library could not be loaded; _siclcleanup has nothing to release.
namespace tlv {

class SiclLibrary : public SiclDriver {
public:
    // Loads path; an empty path means $TOLVENAR_SICL_LIBRARY, or else libsicl.so.
    explicit SiclLibrary(const QString& path = {});

    bool loaded() const { return library_.loaded(); }
    QString path() const { return library_.path(); }
    QString loadError() const { return library_.error(); }

    int iopen(const QByteArray& address) override;
    int iclose(int id) override;
    int itimeout(int id, long milliseconds) override;
    int itermchr(int id, int character) override;
    int iprintf(int id, const QByteArray& text) override;
    int iread(int id, unsigned long size, QByteArray& reply) override;
    int iwrite(int id, const QByteArray& bytes, int end) override;
    int siclcleanup() override;
    int igeterrno() override;
    QString igeterrstr(int error) override;

private:
    // The number a call without the library fails with; its text is the load error.
    static constexpr int kNotLoaded = -1;

    SharedLibrary library_;
    int (*iopen_)(char*) = nullptr;
    int (*iclose_)(int) = nullptr;
    int (*itimeout_)(int, long) = nullptr;
    int (*itermchr_)(int, int) = nullptr;
    int (*iprintf_)(int, char*, ...) = nullptr;
    int (*iread_)(int, char*, unsigned long, int*, unsigned long*) = nullptr;
    int (*iwrite_)(int, char*, unsigned long, int, unsigned long*) = nullptr;
    int (*siclcleanup_)() = nullptr;
    int (*igeterrno_)() = nullptr;
    char* (*igeterrstr_)(int) = nullptr;
};

QString SiclLibraryPath();

}  // namespace tlv
