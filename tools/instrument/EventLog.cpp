#include "EventLog.h"

#include <QFile>
#include <QJsonDocument>
#include <cerrno>
#include <cstring>

namespace vi {

bool EventLog::open(const QString& path, QString* error)
{
    if (path.isEmpty())
        return true;
    file_ = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!file_) {
        *error = path + ": " + QString::fromLocal8Bit(std::strerror(errno));
        file_ = stdout;
        return false;
    }
    return true;
}

EventLog::~EventLog()
{
    if (file_ != stdout)
        std::fclose(file_);
}

void EventLog::write(const QString& event, QJsonObject fields)
{
    fields["event"] = event;
    fields["t"] = std::chrono::duration<double>(Clock::now() - start_).count();
    const QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), file_);
    std::fflush(file_);
}

}  // namespace vi
