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

private:
    DownloadWork work_;
    DownloadRequest request_;
    LinkControl control_;
    LinkOutcome outcome_;
    std::unique_ptr<QThread> thread_;
};

}  // namespace tlv
