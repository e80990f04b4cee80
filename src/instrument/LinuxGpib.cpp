#include "instrument/LinuxGpib.h"

#include <algorithm>

namespace tlv {

QString GpibLibraryPath()
{
    return LibraryPath("TOLVENAR_GPIB_LIBRARY", "libgpib.so.0");
}

LinuxGpibDriver::LinuxGpibDriver(const QString& path)
    : library_(path.isEmpty() ? GpibLibraryPath() : path)
{
    // A library that lacks any of the calls is no NI-488.2 library.
    const bool complete =
        library_.resolve(ibfind_, "ibfind") && library_.resolve(ibonl_, "ibonl") &&
        library_.resolve(SendIFC_, "SendIFC") && library_.resolve(FindLstn_, "FindLstn") &&
        library_.resolve(DevClear_, "DevClear") && library_.resolve(Send_, "Send") &&
        library_.resolve(Receive_, "Receive") && library_.resolve(ThreadIbsta_, "ThreadIbsta") &&
        library_.resolve(ThreadIberr_, "ThreadIberr") &&
        library_.resolve(ThreadIbcnt_, "ThreadIbcnt");
    if (!complete)
        library_.unload();
}

void LinuxGpibDriver::readStatus()
{
    if (!loaded()) {
        status_ = {gpib::ERR, gpib::EDVR, 0};
        return;
    }
    status_ = {ThreadIbsta_(), ThreadIberr_(), ThreadIbcnt_()};
}

int LinuxGpibDriver::ibfind(const QByteArray& name)
{
    const int ud = loaded() ? ibfind_(name.constData()) : -1;
    readStatus();
    return ud;
}

void LinuxGpibDriver::ibonl(int ud, int online)
{
    if (loaded())
        ibonl_(ud, online);
    readStatus();
}

void LinuxGpibDriver::SendIFC(int board)
{
    if (loaded())
        SendIFC_(board);
    readStatus();
}

void LinuxGpibDriver::FindLstn(int board, const std::vector<Addr4882>& pads,
                               std::vector<Addr4882>& results, int limit)
{
    // The library writes up to limit entries.
    if (results.size() < static_cast<size_t>(limit))
        results.resize(static_cast<size_t>(limit), 0);
    if (loaded())
        FindLstn_(board, pads.data(), results.data(), limit);
    readStatus();
}

void LinuxGpibDriver::DevClear(int board, Addr4882 address)
{
    if (loaded())
        DevClear_(board, address);
    readStatus();
}

void LinuxGpibDriver::Send(int board, Addr4882 address, const QByteArray& data, int eotMode)
{
    if (loaded())
        Send_(board, address, data.constData(), data.size(), eotMode);
    readStatus();
}

QByteArray LinuxGpibDriver::Receive(int board, Addr4882 address, long count, int termination)
{
    QByteArray buffer(count, '\0');
    if (loaded())
        Receive_(board, address, buffer.data(), count, termination);
    readStatus();
    if (status_.failed())
        return {};
    buffer.truncate(std::clamp<long>(status_.ibcnt, 0, count));
    return buffer;
}

}  // namespace tlv
