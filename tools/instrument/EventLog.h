#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdio>

#include "LinePacer.h"

namespace vi {

// One JSON object a line, each with "t", the seconds since the instrument started, and
// "event". Every line is flushed at once, so a reader sees it as it happens.
class EventLog {
public:
    // An empty path writes to standard output.
    bool open(const QString& path, QString* error);
    ~EventLog();
    void write(const QString& event, QJsonObject fields);

private:
    std::FILE* file_ = stdout;
    Clock::time_point start_ = Clock::now();
};

}  // namespace vi
