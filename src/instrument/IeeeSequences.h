#pragma once

#include <QByteArray>
#include <QString>

#include "instrument/DownloadSequence.h"
#include "instrument/GpibDriver.h"
#include "instrument/LinkOutcome.h"
#include "instrument/SiclDriver.h"
#include "instrument/Waits.h"
#include "model/WorkspaceParts.h"

// What the program says to the generator over IEEE-488, on the NI card (the NI-488.2 calls)
// and on the Agilent card (SICL): finding and identifying the instrument, the channel choice,
// the waveform download and the close operations. The identification runs where the dialog
// runs and asks the prompter itself; the channel and the download return their outcome for the
// caller to show, so the download can run on a worker thread while its window shows the counts.
namespace tlv {

inline const QString kSelectInterfaceMessage = "Select an Interface Type";
inline const QString kNotGpibSettingMessage = "Not GPIB Setting";

// The instrument identifies itself by "KTR6610/2" at the very first character of its reply.
bool IsInstrumentIdentity(const QByteArray& reply);

// The NI routine: takes the board offline, finds the first of GPIB0..GPIB3, clears the bus,
// lists the listeners, asks each "*IDN?" in turn and sends "K0" to the first that identifies.
// Sets link.GpibBoard (-1 when no board answered), link.GpibAddress and link.GpibReady (the
// result). A failed driver call shows the IEEE-488 error report and ends it with false.
bool IdentifyNi(GpibDriver& driver, Waiter& waiter, LinkState& link, Prompter& prompter);

// The SICL routine: releases every session, then asks "*IDN?" on "hpib7,1" .. "hpib7,30" and
// keeps the session of the first that identifies. Sets link.SiclSession and link.SiclReady
// (the result). An address that takes no command is passed over; an error the library raises
// ends the search, and the prompter shows it.
bool IdentifySicl(SiclDriver& driver, Waiter& waiter, LinkState& link, Prompter& prompter);

// The NI card's waits and blocks, which the GPIB-USB adapter keeps too.
const DownloadPlan& NiDownloadPlan();

// The download on the NI card, with "T0" after "G0": commands by Send with a line feed and END,
// the values in blocks of 4096 through Test1. Refused with "Select an Interface Type" when no
// instrument was identified; a failed Send or block ends it with the error report.
LinkOutcome RunNiDownload(GpibDriver& driver, Waiter& waiter, const LinkState& link,
                          const DownloadRequest& request, LinkControl& control);

// The same on the Agilent card, commands with a line feed, each value's two bytes with END. A
// command or value the library does not take closes the session and ends the download;
// SiclSessionClosed tells the caller to clear SiclReady. It reads link only, so it can run on a
// copy away from the workspace.
LinkOutcome RunSiclDownload(SiclDriver& driver, Waiter& waiter, const LinkState& link,
                            const DownloadRequest& request, LinkControl& control);
// After RunSiclDownload: the session was closed, so the card is no longer ready.
bool SiclSessionClosed(const LinkOutcome& outcome);

// "F0" (channelMode 0) or "F1" to the identified instrument. "Not GPIB Setting" when there is
// none; a failed Send gives the error report.
LinkOutcome SendGpibChannel(GpibDriver& driver, const LinkState& link, int channelMode);
// The same over SICL; a write the library refuses closes the session and says so.
LinkOutcome SendSiclChannel(SiclDriver& driver, LinkState& link, int channelMode);

// The close operations. NI: a ready board is taken offline. SICL: a ready session is closed
// and SICL released; returns the library's error, empty when there was none.
void CloseGpibBoard(GpibDriver& driver, LinkState& link);
QString CloseSiclSession(SiclDriver& driver, LinkState& link);

}  // namespace tlv
