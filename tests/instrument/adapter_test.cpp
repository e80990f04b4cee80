// The GPIB-USB adapter: the escaping of the bytes for the instrument, and the whole path through
// the virtual instrument playing the adapter on a pseudo-terminal.
#include <gtest/gtest.h>

#include "VirtualInstrumentProcess.h"
#include "Waveforms.h"
#include "instrument/AdapterSequences.h"
#include "instrument/SerialLink.h"
#include "instrument/WireFormat.h"

using namespace tlv;

namespace {

TEST(AdapterEscape, EveryByteThatWouldEndALineOrBeginACommandAndNoOther)
{
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const bool escaped = c == '\r' || c == '\n' || c == 0x1B || c == '+';
        EXPECT_EQ(AdapterEscape(QByteArray(1, c)), escaped ? QByteArray("\x1B") + c : QByteArray(1, c)) << b;
    }
    EXPECT_EQ(AdapterLine("A0?\n"), QByteArray("A0?\x1B\n\n"));
}

struct ThroughAdapter {
    explicit ThroughAdapter(QStringList options = {}, const QString& device = {})
        : vi(options << "--adapter" << "--address" << "9"), target{device.isEmpty() ? vi.device() : device, 9}
    {
        link.setDevice(target.device);
        link.setSettings("115200,n,8,1");
    }
    VirtualInstrumentProcess vi;
    AdapterTarget target;
    SerialLink link;
};

TEST(Adapter, SetsUpIdentifiesAndDeliversEveryCodeOnTheChosenChannel)
{
    ThroughAdapter a;
    ASSERT_EQ(IdentifyThroughAdapter(a.link, a.target), "");
    QStringList setup;
    for (const QJsonObject& e : a.vi.awaitEvents("adapter", 8))
        setup << e["command"].toString();
    EXPECT_EQ(setup, QStringList({"++mode 1", "++addr 9", "++auto 0", "++eoi 1", "++eos 3", "++read_tmo_ms 1000",
                                  "++ver", "++read eoi"}));

    ASSERT_TRUE(SendAdapterChannel(a.link, a.target, 1).done());
    // 4097 values of a ramp hold every code, so every byte value that needs escaping.
    const std::vector<double> ramp = test::Ramp(4097);
    LinkControl control;
    SteadyWaiter waiter(&control.cancel);
    ASSERT_TRUE(RunAdapterDownload(a.link, waiter, a.target, {ramp, 1, "Linux"}, control).done());
    QStringList commands;
    for (const QJsonObject& e : a.vi.awaitEvents("command", 9))
        commands << e["raw"].toString();
    EXPECT_EQ(commands, QStringList({"A0?\n", "F1\n", "A4\n", "F1\n", "G0\n", "T0\n", "EE0\n", "V24097\n", "A4\n"}));
    // Intact: every value the instrument wrote is its code's, exactly.
    QFile csv(a.vi.csvPath(2));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\r');
    ASSERT_EQ(lines.size(), qsizetype(ramp.size()) + 1);  // each line ends with its CR
    for (size_t i = 0; i < ramp.size(); ++i)
        ASSERT_NEAR(lines[qsizetype(i)].split(',').value(1).toDouble(), ValueCode(ramp[i]) / 409.5, 1e-6)
            << "point " << i;
}

TEST(Adapter, FailuresNameWhatDidNotAnswer)
{
    ThroughAdapter silent({"--fault", "silent"});
    EXPECT_EQ(IdentifyThroughAdapter(silent.link, silent.target),
              "No GPIB-USB adapter answers on " + silent.target.device + " (\"++ver\" had no reply).");
    ThroughAdapter nobody({"--fault", "no-listener"});
    EXPECT_EQ(IdentifyThroughAdapter(nobody.link, nobody.target),
              "No instrument answers at GPIB address 9 of the GPIB-USB adapter on " + nobody.target.device + ".");
    ThroughAdapter missing({}, "/nonexistent/adapter");
    EXPECT_TRUE(IdentifyThroughAdapter(missing.link, missing.target)
                    .startsWith("Cannot reach the GPIB-USB adapter: /nonexistent/adapter"));
    LinkControl control;
    SteadyWaiter waiter(&control.cancel);
    EXPECT_FALSE(RunAdapterDownload(missing.link, waiter, missing.target, {{1.0}, 0, "Linux"}, control).done());
}

}  // namespace
