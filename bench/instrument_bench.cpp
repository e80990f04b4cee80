// A full serial download to the virtual instrument on a pseudo-terminal paced at 19200 baud,
// against what the line and the waits allow: 16383 x 2 bytes x 11 bits / 19200 baud, plus
// 18 short and 2 long waits.
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "instrument/SerialLink.h"
#include "instrument/SerialSequences.h"
#include "instrument/WireFormat.h"

namespace {

using namespace tlv;

constexpr int kBaud = 19200;

void BM_SerialDownload16383At19200(benchmark::State& state)
{
    std::vector<double> volts(kMaxSendValues);
    for (size_t i = 0; i < volts.size(); ++i)
        volts[i] = 4.9 * std::sin(i / 300.0);
    const double lineSeconds = 2.0 * kMaxSendValues * 11 / kBaud;
    const double waitSeconds = (18 * kDelayShort + 2 * kDelayLong).count() / 1000.0;

    for (auto _ : state) {
        QTemporaryDir dir;
        QProcess instrument;
        instrument.start(TOLVENAR_INSTRUMENT, {"--baud", QString::number(kBaud), "--once",
                                               "--log", dir.filePath("log.jsonl"), "--csv-dir",
                                               dir.path()});
        while (!instrument.canReadLine() && instrument.waitForReadyRead(5000)) {
        }
        qputenv("TOLVENAR_COM1", instrument.readLine().trimmed());
        SerialLink link;
        link.setPortNumber(1);
        link.setSettings("19200,n,8,2");
        LinkControl control;
        SteadyWaiter waiter(&control.cancel);

        const auto start = std::chrono::steady_clock::now();
        const LinkOutcome outcome = RunSerialDownload(link, waiter, {volts, 0, "Linux"}, control);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (!outcome.done() || !instrument.waitForFinished(10000)) {
            state.SkipWithError(qPrintable("download failed: " + outcome.message));
            break;
        }
        state.counters["wall_s"] = took.count();
        state.counters["expected_s"] = lineSeconds + waitSeconds;
        state.counters["off_pct"] = 100.0 * (took.count() / (lineSeconds + waitSeconds) - 1.0);
    }
}
BENCHMARK(BM_SerialDownload16383At19200)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
