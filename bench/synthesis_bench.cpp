#include <benchmark/benchmark.h>

#include "model/Prompter.h"
#include "model/Workspace.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/SegmentKinds.h"

namespace tlv {
namespace {

class SilentPrompter : public Prompter {
public:
    Answer message(const QString&, const QString&, Buttons, Icon) override { return Answer::Ok; }
    std::optional<QString> openFile(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    bool choosePrinter(QPrinter&) override { return false; }
    void runModal(DialogForm&) override {}
    void showAbout(const QString&, const QString&) override {}
    bool showHelp(const QString&) override { return false; }
};

// Appends a 16383-point segment to an empty document: generation, formatting, plot cache and
// commit into the slot.
void AppendFullSegment(benchmark::State& state, int kind, void (Workspace::*insert)())
{
    SilentPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    ws.New();
    ws.SegKind = kind;
    NewSegmentForm form(ws);
    form.type("txtPoint", "16383");
    form.type("txtCycles", "8");
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < kMaxPoints; ++i) {
            ws.WaveText.clear(i);
            ws.PointDefined[static_cast<size_t>(i)] = false;
        }
        state.ResumeTiming();
        (ws.*insert)();
        benchmark::ClobberMemory();
    }
    if (ws.PointCount != kLastPoint)
        state.SkipWithError("the segment was not written");
}

BENCHMARK_CAPTURE(AppendFullSegment, Sine, Shape::Sine, &Workspace::InsertSine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Triangle, Shape::Triangle, &Workspace::InsertTriangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Square, Shape::Square, &Workspace::InsertSquare)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Ramp, Shape::Ramp, &Workspace::InsertRamp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, DampedSine, Shape::DampedSine, &Workspace::InsertDampedSine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, ExpRise, Shape::ExpRise, &Workspace::InsertExpRise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, ExpFall, Shape::ExpFall, &Workspace::InsertExpFall)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Noise, Shape::Noise, &Workspace::InsertNoise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Dc, Shape::Dc, &Workspace::InsertDc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlv
