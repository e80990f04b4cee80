// A full serial download as Send Waveform runs it (the serial path's work on the download's own
// thread) to the virtual instrument on a pseudo-terminal paced at 19200 baud, against what the
// line and the waits allow: 16383 x 2 bytes x 11 bits / 19200 baud, plus 18 short and 2 long
// waits.
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "instrument/DownloadProgress.h"
#include "instrument/SerialPath.h"
#include "instrument/WireFormat.h"
#include "model/Workspace.h"

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
        Workspace ws;
        ws.link.ComBaudText = QString::number(kBaud);
        ws.link.ComPortNo = 1;
        DownloadProgress progress(*SerialPath().PrepareDownload(ws), {volts, 0, "Linux"});

        const auto start = std::chrono::steady_clock::now();
        progress.start();
        progress.wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const LinkOutcome& outcome = progress.outcome();
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
