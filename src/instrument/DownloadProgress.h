#pragma once

#include <QThread>
#include <memory>

#include "instrument/InterfacePath.h"
#include "model/Prompter.h"

namespace tlv {

// The progress window frmDown's side of a download: the download runs on a thread of its own
// (a QThread, since the serial port needs Qt's event dispatcher there) while the window shows
// how many values have gone out and offers Cancel.
class DownloadProgress : public ProgressWork {
public:
    DownloadProgress(DownloadWork work, DownloadRequest request);
    // A download still running is cancelled and waited for.
    ~DownloadProgress() override;

    void start() override;
    bool finished() const override;
    void wait() override;
    void cancel() override;
    QString progressText() const override;

    // How the download ended; read once finished.
    const LinkOutcome& outcome() const { return outcome_; }
    // What a download that delivered the whole waveform tells the user ("16383 values sent to
    // CH 2 in 19.5 s"); empty for one that was cancelled or failed. Read once finished.
    QString deliveredText() const;

private:
    DownloadWork work_;
    DownloadRequest request_;
    LinkControl control_;
    LinkOutcome outcome_;
    qint64 elapsedMs_ = 0;
    std::unique_ptr<QThread> thread_;
};

}  // namespace tlv
