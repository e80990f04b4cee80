// Opening and saving full-size AFC and CSV files through the file commands.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "files/TableFormat.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"

namespace {
using namespace tlv;

// Says Yes to the overwrite question and nothing else.
class YesPrompter : public ScriptedPrompter {
public:
    Answer message(const QString&, const QString&, Buttons, Icon) override { return Answer::Yes; }
};

std::vector<double> Sine(int points)
{
    std::vector<double> volts(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i)
        volts[static_cast<size_t>(i)] = 4.99 * std::sin(2 * M_PI * 3 * i / points);
    return volts;
}

struct Bench {
    Bench() { ws.prompter = &prompter; }
    QString write(const QString& name, const std::string& bytes)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }
    QTemporaryDir dir;
    YesPrompter prompter;
    Workspace ws;
    FileCommands files{ws};
};

template <typename Read>
void MeasureOpen(benchmark::State& state, Bench& b, Read read)
{
    for (auto _ : state) {
        read();
        state.PauseTiming();
        b.ws.Close();
        state.ResumeTiming();
    }
}

void BM_OpenCsv16383(benchmark::State& state)
{
    Bench b;
    const QString path = b.write("wave.csv", TableBytes(Sine(kTableMaxValues), ','));
    MeasureOpen(state, b, [&] { b.files.ReadTable(path, TableSeparators::Comma, false); });
}
BENCHMARK(BM_OpenCsv16383)->Unit(benchmark::kMillisecond);

void BM_OpenAfc16384(benchmark::State& state)
{
    Bench b;
    const QString path = b.write("wave.afc", AfcBytes(Sine(kMaxPoints)));
    MeasureOpen(state, b, [&] { b.files.ReadAfc(path); });
}
BENCHMARK(BM_OpenAfc16384)->Unit(benchmark::kMillisecond);

void MeasureSave(benchmark::State& state, const QString& name, FileKind kind, int points)
{
    Bench b;
    const QString path = b.write(name, kind == FileKind::Afc ? AfcBytes(Sine(points))
                                                             : TableBytes(Sine(points), ','));
    kind == FileKind::Afc ? b.files.ReadAfc(path) : b.files.ReadTable(path, TableSeparators::Comma, false);
    for (auto _ : state)
        b.files.WriteFile(path, kind);
}

void BM_SaveCsv16383(benchmark::State& state)
{
    MeasureSave(state, "wave.csv", FileKind::Csv, kTableMaxValues);
}
BENCHMARK(BM_SaveCsv16383)->Unit(benchmark::kMillisecond);

void BM_SaveAfc16384(benchmark::State& state)
{
    MeasureSave(state, "wave.afc", FileKind::Afc, kMaxPoints);
}
BENCHMARK(BM_SaveAfc16384)->Unit(benchmark::kMillisecond);
}  // namespace
