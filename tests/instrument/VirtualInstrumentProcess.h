#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <vector>

// Sets an environment variable while it lives.
struct EnvSetting {
    EnvSetting(QByteArray name, const QString& value) : name(std::move(name))
    {
        qputenv(this->name.constData(), value.toLocal8Bit());
    }
    ~EnvSetting() { qunsetenv(name.constData()); }
    QByteArray name;
};

// The virtual instrument started from a test: its device, its JSON log and its CSV folder.
class VirtualInstrumentProcess {
public:
    explicit VirtualInstrumentProcess(QStringList options = {})
    {
        options << "--log" << logPath() << "--csv-dir" << dir_.path();
        process_.start(TOLVENAR_INSTRUMENT, options);
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~VirtualInstrumentProcess()
    {
        process_.terminate();
        process_.waitForFinished(5000);
    }

    QString device() const { return device_; }
    QString csvPath(int channel) const { return dir_.filePath(QString("ch%1.csv").arg(channel)); }

    // The logged events of a kind, in order.
    std::vector<QJsonObject> events(const QString& kind) const
    {
        std::vector<QJsonObject> out;
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QJsonObject event = QJsonDocument::fromJson(line).object();
            if (!line.isEmpty() && event["event"].toString() == kind)
                out.push_back(event);
        }
        return out;
    }
    // The events of a kind, once there are at least count of them (or after 5 s).
    std::vector<QJsonObject> awaitEvents(const QString& kind, size_t count) const
    {
        for (int tries = 0; tries < 500 && events(kind).size() < count; ++tries)
            QThread::msleep(10);
        return events(kind);
    }
    // One field of each of those events, as text.
    QStringList awaitFields(const QString& kind, const QString& field, size_t count = 0) const
    {
        QStringList out;
        for (const QJsonObject& e : awaitEvents(kind, count))
            out << e[field].toString();
        return out;
    }

private:
    QString logPath() const { return dir_.filePath("log.jsonl"); }

    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
};
