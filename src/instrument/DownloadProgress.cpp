#include "instrument/DownloadProgress.h"

#include <QElapsedTimer>
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
    thread_.reset(QThread::create([this] {
        QElapsedTimer timer;
        timer.start();
        outcome_ = work_(request_, control_);
        elapsedMs_ = timer.elapsed();
    }));
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

QString DownloadProgress::deliveredText() const
{
    if (!outcome_.done())
        return {};
    return QString("%1 values sent to CH %2 in %3 s")
        .arg(control_.total.load())
        .arg(request_.channelMode ? 2 : 1)
        .arg(QString::number(elapsedMs_ / 1000.0, 'f', 1));
}

QString DownloadProgress::progressText() const
{
    return QString("%1 values sent of %2").arg(control_.sent.load()).arg(control_.total.load());
}

}  // namespace tlv
