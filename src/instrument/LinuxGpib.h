#pragma once

#include <QString>

#include "instrument/GpibDriver.h"
#include "instrument/SharedLibrary.h"

// The NI-488.2 calls of linux-gpib's libgpib.so.0 (or a library with the same calls, such as
// the simulated bus), loaded at run time. Without the library every call fails as a driver
// with no board fails: ibfind gives -1, ibsta has ERR and iberr is EDVR.
namespace tlv {

class LinuxGpibDriver : public GpibDriver {
public:
    // Loads path; an empty path means $TOLVENAR_GPIB_LIBRARY, or else libgpib.so.0 by the
    // loader's usual search.
    explicit LinuxGpibDriver(const QString& path = {});

    bool loaded() const { return library_.loaded(); }
    QString path() const { return library_.path(); }
    // Why the library is not in use.
    QString loadError() const { return library_.error(); }

    int ibfind(const QByteArray& name) override;
    void ibonl(int ud, int online) override;
    void SendIFC(int board) override;
    void FindLstn(int board, const std::vector<Addr4882>& pads, std::vector<Addr4882>& results,
                  int limit) override;
    void DevClear(int board, Addr4882 address) override;
    void Send(int board, Addr4882 address, const QByteArray& data, int eotMode) override;
    QByteArray Receive(int board, Addr4882 address, long count, int termination) override;
    GpibStatus status() const override { return status_; }

private:
    // Copies ibsta, iberr and ibcnt after a call; a missing library fails every call.
    void readStatus();

    SharedLibrary library_;
    int (*ibfind_)(const char*) = nullptr;
    int (*ibonl_)(int, int) = nullptr;
    void (*SendIFC_)(int) = nullptr;
    void (*FindLstn_)(int, const Addr4882*, Addr4882*, int) = nullptr;
    void (*DevClear_)(int, Addr4882) = nullptr;
    void (*Send_)(int, Addr4882, const void*, long, int) = nullptr;
    void (*Receive_)(int, Addr4882, void*, long, int) = nullptr;
    // linux-gpib keeps the status per thread and reads it back through these; they take the
    // place of registering the status variables for the thread.
    int (*ThreadIbsta_)() = nullptr;
    int (*ThreadIberr_)() = nullptr;
    int (*ThreadIbcnt_)() = nullptr;
    GpibStatus status_;
};

QString GpibLibraryPath();

}  // namespace tlv
