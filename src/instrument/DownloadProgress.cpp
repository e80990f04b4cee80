#include "instrument/DownloadProgress.h"

#include <algorithm>

#include "instrument/WireFormat.h"

namespace tlv {

DownloadProgress::DownloadProgress(DownloadWork work, DownloadRequest request)
    : work_(std::move(work)), request_(std::move(request))
{
    // The window shows the count before the thread has made the values.
    control_.total = std::min(static_cast<int>(request_.volts.size()), kMaxSendValues);
}

DownloadProgress::~DownloadProgress()
{
    if (thread_) {
        cancel();
        thread_->wait();
    }
}

void DownloadProgress::start()
{
    thread_.reset(QThread::create([this] { outcome_ = work_(request_, control_); }));
    thread_->start();
}

bool DownloadProgress::finished() const
{
    return thread_ && thread_->isFinished();
}

void DownloadProgress::wait()
{
    if (thread_)
        thread_->wait();
}

void DownloadProgress::cancel()
{
    control_.cancel = true;
}

QString DownloadProgress::progressText() const
{
    return QString("%1 values sent of %2").arg(control_.sent.load()).arg(control_.total.load());
}

}  // namespace tlv
