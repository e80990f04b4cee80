#include "VirtualInstrument.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "WaveformCsv.h"

namespace vi {

namespace {
// The generator's memory.
constexpr qint64 kMaxValues = 16384;
// A command is a few characters; a longer run without a line feed is noise on the line.
constexpr int kMaxCommand = 64;
const QByteArray kIdentity = "KTR6610/2\r\n";
// What the wrong-identity fault answers: the identity, but not at the first character.
const QByteArray kWrongIdentity = " KTR6610/2\r\n";

QString Text(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}
}  // namespace

VirtualInstrument::VirtualInstrument(const Options& options, EventLog& log, Reply reply)
    : options_(options), log_(log), reply_(std::move(reply))
{
}

VirtualInstrument::Next VirtualInstrument::take(char byte)
{
    if (inData_)
        return dataByte(byte);
    line_ += byte;
    if (byte == '\n') {
        const QByteArray raw = std::exchange(line_, {});
        return command(raw);
    }
    if (line_.size() > kMaxCommand)
        log_.write("noise", {{"raw", Text(std::exchange(line_, {}))}});
    return Next::Continue;
}

VirtualInstrument::Next VirtualInstrument::command(const QByteArray& raw)
{
    QByteArray text = raw.chopped(1);
    if (text.endsWith('\r'))
        text.chop(1);
    QJsonObject fields{{"command", Text(text)}, {"raw", Text(raw)}};
    if (lineSettings_)
        fields["line"] = lineSettings_();
    static const std::array<QByteArray, 8> kPlain = {"A4", "F0", "F1", "G0",
                                                     "V0X", "T0", "EE0", "K0"};
    static const QRegularExpression kLength("^V2([0-9]+)$");

    if (text == "A0?" || text == "*IDN?") {
        log_.write("command", fields);
        if (options_.fault == Fault::Silent)
            return Next::Continue;
        const QByteArray& identity =
            options_.fault == Fault::WrongIdentity ? kWrongIdentity : kIdentity;
        reply_(identity);
        log_.write("reply", {{"raw", Text(identity)}});
        return Next::Continue;
    }
    if (const auto m = kLength.match(Text(text)); m.hasMatch()) {
        bool ok = false;
        const qint64 count = m.captured(1).toLongLong(&ok);
        if (!ok || count > kMaxValues) {
            fields["error"] = QString("more than %1 values").arg(kMaxValues);
            log_.write("command", fields);
            return Next::Continue;
        }
        log_.write("command", fields);
        expected_ = 2 * count;
        data_.clear();
        inData_ = true;
        if (expected_ == 0)
            finishData();
        else if (options_.fault == Fault::Stall) {
            log_.write("fault", {{"mode", "stall"}});
            return Next::Stall;
        }
        return Next::Continue;
    }
    if (text == "F0" || text == "F1")
        channel_ = text == "F0" ? 1 : 2;
    if (std::find(kPlain.begin(), kPlain.end(), text) == kPlain.end())
        fields["known"] = false;
    log_.write("command", fields);
    if (text == "A4" && downloaded_ && options_.once)
        return Next::Finish;
    return Next::Continue;
}

VirtualInstrument::Next VirtualInstrument::dataByte(char byte)
{
    data_ += byte;
    ++dataBytesSeen_;
    if (options_.fault == Fault::Disconnect && dataBytesSeen_ >= options_.disconnectAfter) {
        log_.write("fault", {{"mode", "disconnect"}, {"dataBytes", dataBytesSeen_}});
        return Next::Disconnect;
    }
    if (data_.size() == expected_)
        finishData();
    return Next::Continue;
}

void VirtualInstrument::dropData()
{
    log_.write("incomplete", {{"channel", channel_},
                              {"values", data_.size() / 2},
                              {"expected", expected_ / 2}});
    inData_ = false;
    data_.clear();
}

void VirtualInstrument::finishData()
{
    inData_ = false;
    downloaded_ = true;
    const QString csv = QDir(options_.csvDir).filePath(QString("ch%1.csv").arg(channel_));
    QJsonObject fields{{"channel", channel_},
                       {"values", data_.size() / 2},
                       {"hex", Text(data_.toHex())},
                       {"csv", csv}};
    int outOfRange = 0;
    for (qsizetype i = 1; i < data_.size(); i += 2)
        outOfRange += static_cast<unsigned char>(data_[i]) > 0x0F ? 1 : 0;
    if (outOfRange > 0)
        fields["outOfRange"] = outOfRange;
    QString error;
    if (!WriteWaveformCsv(csv, data_, &error))
        fields["csvError"] = error;
    log_.write("data", fields);
}

}  // namespace vi
