#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "instrument/LinkOutcome.h"
#include "instrument/Waits.h"

// The waveform download, the same on every link: "A4", the channel ("F0" or "F1"), "G0", the
// link's mode command, "EE0", "V2" with the count, the values, and a closing "A4". The links
// differ only in how the bytes travel (DownloadSteps) and in their waits and blocks (DownloadPlan).
namespace tlv {

struct DownloadRequest {
    std::vector<double> volts;  // points 0 up to the last defined one, in volts
    int channelMode = 0;        // 0: channel 1 ("F0"); otherwise channel 2 ("F1")
    QString systemName;         // the operating system's name; "Windows NT" skips the last "A4"
};

// A wait repeated; a cancel cuts it short.
struct Pause {
    std::chrono::milliseconds delay = kDelayShort;
    int times = 0;
};

struct DownloadPlan {
    QByteArray modeCommand;  // follows "G0"
    Pause lead = {};         // before the first command
    Pause between = {};      // between two commands
    Pause beforeData = {};
    int blockValues = 1;     // values handed to the link at once
    Pause afterData = {};    // before the link closes behind the data
    bool closingSkippedOnNt = false;
    Pause beforeReopen = {};  // then the link opens again for the closing "A4"
    Pause beforeClosing = {};
};

// Where the download stands, for the message that ends it early.
class DownloadCount {
public:
    explicit DownloadCount(LinkControl& control) : control_(control) {}

    bool cancelRequested() const { return control_.cancel.load(); }
    LinkOutcome cancelled() const;
    // Why it stopped, told in terms of what the instrument got.
    QString stopped(const QString& reason) const;
    void markDelivered() { delivered_ = true; }

private:
    LinkControl& control_;
    bool delivered_ = false;  // the data is out; only the closing "A4" is left
};

// How one link moves the download's bytes. Each step returns false when it did not go through.
struct DownloadSteps {
    std::function<bool(const QByteArray&)> command;
    std::function<bool(std::span<const int>)> block;
    std::function<bool()> close = [] { return true; };
    std::function<bool()> reopen = [] { return true; };
    std::function<void()> cancelled = [] {};  // a cancel ended the download
    std::function<LinkOutcome(const DownloadCount&)> failed;  // what the user is told
};

// Counts the values in control as they go out.
LinkOutcome RunDownload(const DownloadSteps& steps, const DownloadPlan& plan, Waiter& waiter,
                        const DownloadRequest& request, LinkControl& control);

}  // namespace tlv
