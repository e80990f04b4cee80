#include <QStringList>
#include <numeric>

#include "instrument/GpibReport.h"
#include "instrument/IeeeSequences.h"
#include "model/Prompter.h"

namespace tlv {

namespace {
// Addresses 0..30 can be asked; a list ends with kNoAddr.
constexpr int kAddresses = 31;
// The reply buffers: 20 characters on the NI card, 80 through SICL.
constexpr long kNiReplySize = 20;
constexpr unsigned long kSiclReplySize = 80;

// The instruments among the listeners FindLstn found. The interface itself answers at address
// 0 and is left out by its address, whether or not the library lists it first.
std::vector<Addr4882> Candidates(const std::vector<Addr4882>& listeners)
{
    std::vector<Addr4882> out;
    for (Addr4882 address : listeners)
        if (address != 0 && address != kNoAddr && out.size() < kAddresses - 1)
            out.push_back(address);
    return out;
}
}  // namespace

bool IsInstrumentIdentity(const QByteArray& reply)
{
    return reply.startsWith("KTR6610/2");
}

bool IdentifyNi(GpibDriver& driver, Waiter& waiter, LinkState& link, Prompter& prompter)
{
    link.GpibReady = false;
    driver.ibonl(link.GpibBoard, 0);
    DelayShort(waiter);
    DelayShort(waiter);

    link.GpibBoard = -1;
    for (int i = 0; i < 4; ++i) {
        if (driver.ibfind("GPIB" + QByteArray::number(i)) != -1) {
            link.GpibBoard = i;
            break;
        }
    }
    const int board = link.GpibBoard;
    driver.SendIFC(board);

    std::vector<Addr4882> pads(kAddresses);
    std::iota(pads.begin(), pads.end(), Addr4882{0});
    pads.push_back(kNoAddr);
    std::vector<Addr4882> listeners(kAddresses, 0);
    driver.FindLstn(board, pads, listeners, kAddresses);
    if (driver.status().failed()) {
        ShowGpibError(prompter, "Error sending FindLstn ", driver.status());
        return false;
    }
    const std::vector<Addr4882> candidates = Candidates(listeners);

    // With no candidate this clears every device on the bus.
    driver.DevClear(board, candidates.empty() ? kNoAddr : candidates.front());
    if (driver.status().failed()) {
        ShowGpibError(prompter, "Error in clearing the devices. ", driver.status());
        return false;
    }

    for (Addr4882 address : candidates) {
        driver.Send(board, address, "*IDN?", gpib::NLend);
        if (driver.status().failed()) {
            ShowGpibError(prompter, "Error Send Command ", driver.status());
            return false;
        }
        DelayShort(waiter);
        DelayShort(waiter);
        const QByteArray reply = driver.Receive(board, address, kNiReplySize, '\n');
        if (driver.status().failed()) {
            ShowGpibError(prompter, "Error Receive Command ", driver.status());
            return false;
        }
        if (IsInstrumentIdentity(reply)) {
            link.GpibAddress = address;
            driver.Send(board, address, "K0", gpib::NLend);
            link.GpibReady = true;
            return true;
        }
    }
    return false;
}

bool IdentifySicl(SiclDriver& driver, Waiter& waiter, LinkState& link, Prompter& prompter)
{
    link.SiclReady = false;
    Sicl sicl(driver);
    int session = 0;
    try {
        sicl.cleanup();
        for (int address = 1; address < kAddresses; ++address) {
            session = sicl.open("hpib7," + QByteArray::number(address));
            sicl.timeout(session, 1000);
            sicl.termchr(session, '\n');
            if (sicl.printf(session, "*IDN?") != 0) {
                sicl.close(std::exchange(session, 0));
                continue;
            }
            DelayShort(waiter);
            if (IsInstrumentIdentity(sicl.read(session, kSiclReplySize))) {
                link.SiclSession = session;
                link.SiclReady = true;
                return true;
            }
            sicl.close(std::exchange(session, 0));
        }
    } catch (const SiclError& error) {
        // The session the error interrupted is given back; the error shown is the first one.
        if (session != 0)
            driver.iclose(session);
        prompter.message(error.message(), "TLV", Buttons::Ok, Icon::Critical);
    }
    return false;
}

void CloseGpibBoard(GpibDriver& driver, LinkState& link)
{
    if (!link.GpibReady)
        return;
    driver.ibonl(link.GpibBoard, 0);
    link.GpibReady = false;
}

QString CloseSiclSession(SiclDriver& driver, LinkState& link)
{
    if (!link.SiclReady)
        return {};
    link.SiclReady = false;
    Sicl sicl(driver);
    QStringList errors;
    // Release SICL even when the session would not close.
    try {
        sicl.close(link.SiclSession);
    } catch (const SiclError& error) {
        errors << error.message();
    }
    try {
        sicl.cleanup();
    } catch (const SiclError& error) {
        errors << error.message();
    }
    return errors.join('\n');
}

}  // namespace tlv
