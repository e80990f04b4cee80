// Import Waveform on a capture of 10,000,000 lines: the dialog's look at the file (its head
// only) and the whole import resampled to 16383 points, read as a stream.
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "files/ImportSource.h"
#include "files/ImportWaveformForm.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

namespace {
using namespace tlv;

constexpr long kLines = 10'000'000;

// One capture for every benchmark of the run: "time,volts" lines after a header.
const QString& LongCapture()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString name = dir.filePath("capture.csv");
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write("Record Length,10000000\nSample Interval,1e-7\nTime,Ampl\n");
        QByteArray lines;
        for (long i = 0; i < kLines; ++i) {
            lines += QByteArray::number(double(i) * 1e-7, 'g', 8) + ',' +
                     QByteArray::number(3 * std::sin(2 * M_PI * 50 * double(i) / kLines), 'f', 6) + '\n';
            if (lines.size() > (1 << 20)) {
                file.write(lines);
                lines.clear();
            }
        }
        file.write(lines);
        return name;
    }();
    return path;
}

struct Bench {
    Bench() { ws.prompter = &prompter; }
    // The dialog on the capture, as File > Import Waveform opens it.
    std::unique_ptr<ImportWaveformForm> open()
    {
        QString error;
        std::optional<SourceInfo> source = InspectSource(LongCapture(), error);
        return std::make_unique<ImportWaveformForm>(ws, std::move(*source));
    }
    ScriptedPrompter prompter;
    Workspace ws;
};

void BM_ImportPreviewOf10MillionLines(benchmark::State& state)
{
    Bench b;
    LongCapture();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.open()->pictureTrace("picResult"));
}
BENCHMARK(BM_ImportPreviewOf10MillionLines)->Unit(benchmark::kMillisecond);

void BM_Import10MillionLinesResampledTo16383(benchmark::State& state)
{
    Bench b;
    LongCapture();
    for (auto _ : state) {
        auto form = b.open();
        form->type("txtPoints", "16383");
        form->click("cmdOK");
        state.PauseTiming();
        if (b.ws.edit.PointCount != 16383)
            state.SkipWithError("the import did not fill the waveform");
        b.ws.Close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import10MillionLinesResampledTo16383)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
