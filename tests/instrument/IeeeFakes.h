#pragma once

#include <QStringList>
#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

#include "instrument/GpibDriver.h"
#include "instrument/SiclDriver.h"
#include "instrument/Waits.h"

namespace tlv::test {

// Every driver call and wait of a conversation, in order, as text.
struct Transcript {
    QStringList lines;
    // Runs after a line is added.
    std::function<void(const QString&)> onLine;

    void add(const QString& line)
    {
        lines << line;
        if (onLine)
            onLine(line);
    }
};

// Writes "wait 20" or "wait 200"; a set cancel flag cuts the wait short.
class TranscriptWaiter : public Waiter {
public:
    explicit TranscriptWaiter(Transcript& t, const std::atomic<bool>* cancel = nullptr)
        : t_(t), cancel_(cancel)
    {
    }
    bool wait(std::chrono::microseconds d) override
    {
        t_.add(QString("wait %1").arg(d.count() / 1000));
        return !(cancel_ && cancel_->load());
    }

private:
    Transcript& t_;
    const std::atomic<bool>* cancel_;
};

// An NI-488.2 driver that answers as a bus with the listeners and replies a test gives it, and
// fails the calls it is told to fail.
class FakeGpib : public GpibDriver {
public:
    explicit FakeGpib(Transcript& t) : t_(t) {}

    QStringList boards{"GPIB0"};
    std::vector<Addr4882> listeners{0, 9};
    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    std::vector<std::vector<std::int32_t>> blocks;  // every Test1 block

    // The nth call (from 1) whose line starts with prefix leaves this status.
    void fail(const QString& prefix, int nth, GpibStatus status)
    {
        failures_.emplace_back(prefix, nth, status);
    }

    int ibfind(const QByteArray& name) override
    {
        const bool found = boards.contains(QString::fromLatin1(name));
        call("ibfind " + name, !found);
        return found && !status_.failed() ? 32 : -1;
    }
    void ibonl(int ud, int online) override { call(QString("ibonl %1 %2").arg(ud).arg(online)); }
    void SendIFC(int board) override { call(QString("SendIFC %1").arg(board)); }
    void FindLstn(int board, const std::vector<Addr4882>& pads, std::vector<Addr4882>& results,
                  int limit) override
    {
        QStringList list;
        for (Addr4882 a : pads)
            list << QString::number(a);
        call(QString("FindLstn %1 %2 [%3]").arg(board).arg(limit).arg(list.join(' ')));
        if (!status_.failed())
            std::copy_n(listeners.begin(), std::min<size_t>(listeners.size(), limit),
                        results.begin());
    }
    void DevClear(int board, Addr4882 address) override
    {
        call(QString("DevClear %1 %2").arg(board).arg(address));
    }
    void Send(int board, Addr4882 address, const QByteArray& data, int eotMode) override
    {
        call(QString("Send %1 %2 %3 %4").arg(board).arg(address).arg(QString::fromLatin1(data))
                 .arg(eotMode == gpib::NLend ? "NLend" : "other"));
    }
    QByteArray Receive(int board, Addr4882 address, long count, int termination) override
    {
        call(QString("Receive %1 %2 %3 %4").arg(board).arg(address).arg(count).arg(termination));
        return status_.failed() ? QByteArray() : replies[address].left(count);
    }
    std::int32_t Test1(int board, const std::int32_t* first, std::int32_t count,
                       std::int32_t address) override
    {
        blocks.emplace_back(first, first + count + 1);
        call(QString("Test1 %1 %2 %3").arg(board).arg(count).arg(address));
        return status_.ibsta;
    }
    GpibStatus status() const override { return status_; }

private:
    void call(const QString& line, bool failed = false)
    {
        status_ = failed ? GpibStatus{gpib::ERR, gpib::EDVR, 0} : GpibStatus{gpib::CMPL, 0, 0};
        for (auto& [prefix, nth, status] : failures_)
            if (line.startsWith(prefix) && --nth == 0)
                status_ = status;
        t_.add(line);
    }

    Transcript& t_;
    std::vector<std::tuple<QString, int, GpibStatus>> failures_;
    GpibStatus status_;
};

// A SICL library with a session per address "hpib7,N" (the session number is N), the replies a
// test gives, and the calls it is told to fail.
class FakeSicl : public SiclDriver {
public:
    explicit FakeSicl(Transcript& t) : t_(t) {}

    std::map<int, QByteArray> replies{{9, "KTR6610/2\r\n"}};
    QByteArray written;  // every byte written, in order

    // The nth call (from 1) whose line starts with prefix fails with this number.
    void fail(const QString& prefix, int nth, int number) { failures_.emplace_back(prefix, nth, number); }

    int iopen(const QByteArray& address) override
    {
        const int result = call("iopen " + address);
        return result == 0 ? address.mid(6).toInt() : 0;
    }
    int iclose(int id) override { return call(QString("iclose %1").arg(id)); }
    int itimeout(int id, long ms) override { return call(QString("itimeout %1 %2").arg(id).arg(ms)); }
    int itermchr(int id, int c) override { return call(QString("itermchr %1 %2").arg(id).arg(c)); }
    int iprintf(int id, const QByteArray& text) override
    {
        const int result = call(QString("iprintf %1 %2").arg(id).arg(QString::fromLatin1(text)));
        if (result == 0)
            written += text + "\n";
        return result;
    }
    int iread(int id, unsigned long size, QByteArray& reply) override
    {
        const int result = call(QString("iread %1 %2").arg(id).arg(size));
        reply = result == 0 ? replies[id].left(static_cast<qsizetype>(size)) : QByteArray();
        return result;
    }
    int iwrite(int id, const QByteArray& bytes, int end) override
    {
        const int result = call(QString("iwrite %1 %2 %3").arg(id).arg(bytes.size()).arg(end));
        if (result == 0)
            written += bytes;
        return result;
    }
    int siclcleanup() override { return call("_siclcleanup"); }
    int igeterrno() override { return errno_; }
    QString igeterrstr(int error) override { return QString("fake error %1").arg(error); }

private:
    int call(const QString& line)
    {
        int result = 0;
        for (auto& [prefix, nth, number] : failures_)
            if (line.startsWith(prefix) && --nth == 0)
                result = number;
        if (result != 0)
            errno_ = result;
        t_.add(result == 0 ? line : line + " -> " + QString::number(result));
        return result;
    }

    Transcript& t_;
    std::vector<std::tuple<QString, int, int>> failures_;
    int errno_ = 0;
};

}  // namespace tlv::test
