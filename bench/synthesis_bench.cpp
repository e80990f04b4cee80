#include <benchmark/benchmark.h>

#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {

// Appends a 16383-point segment to an empty document: generation, formatting, plot cache and
// commit into the slot.
void AppendFullSegment(benchmark::State& state, int kind)
{
    ScriptedPrompter prompter;
    Workspace ws;
    ws.prompter = &prompter;
    ws.New();
    ws.seg.SegKind = kind;
    NewSegmentForm form(ws);
    form.type("txtPoint", "16383");
    form.type("txtCycles", "8");
    const ShapeParameters shape = form.parameters(kind, 1);
    for (auto _ : state) {
        state.PauseTiming();
        EditTransaction(ws, EditTransaction::Closing::Redraw).ClearEditBuffer();
        state.ResumeTiming();
        InsertSegment(ws, shape);
        benchmark::ClobberMemory();
    }
    if (ws.edit.PointCount != kLastPoint)
        state.SkipWithError("the segment was not written");
}

BENCHMARK_CAPTURE(AppendFullSegment, Sine, Shape::Sine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Triangle, Shape::Triangle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Square, Shape::Square)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Ramp, Shape::Ramp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, DampedSine, Shape::DampedSine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, ExpRise, Shape::ExpRise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, ExpFall, Shape::ExpFall)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Noise, Shape::Noise)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AppendFullSegment, Dc, Shape::Dc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlv
