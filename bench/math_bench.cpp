#include <benchmark/benchmark.h>

#include <cmath>

#include "editing/Transforms.h"
#include "model/EditTransaction.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
#include "synthesis/CombineForm.h"
#include "synthesis/Generators.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

namespace tlv {
namespace {

// A document holding `count` points of a sine, every column selected.
struct Document {
    explicit Document(int count)
    {
        ws.prompter = &prompter;
        ws.New();
        for (int i = 0; i < count; ++i)
            wave.push_back(4 * std::sin(i * 0.01));
        Reset();
    }

    void Reset()
    {
        {
            EditTransaction tx(ws);
            tx.ClearEditBuffer();
            tx.WritePoints(0, wave);
        }
        ws.edit.SelStartX = 0;
        ws.edit.SelEndX = kPlotWidth;
    }

    ScriptedPrompter prompter;
    Workspace ws;
    std::vector<double> wave;
};

// Invert, Mirror and Absolute over a full document, every point selected.
void TransformFullDocument(benchmark::State& state, void (*transform)(Workspace&))
{
    Document document(kMaxPoints);
    for (auto _ : state) {
        transform(document.ws);
        benchmark::ClobberMemory();
    }
}

// Expand to Fit of the longest waveform it doubles: 8190 points into 16378.
void ExpandLongest(benchmark::State& state)
{
    Document document(8190);
    for (auto _ : state) {
        state.PauseTiming();
        document.Reset();
        state.ResumeTiming();
        ExpandToFit(document.ws);
        benchmark::ClobberMemory();
    }
    if (document.ws.edit.PointCount != 16378)
        state.SkipWithError("the waveform was not expanded");
}

// A combine dialog on a 16383-point selection: the standard wave's preview and combination, then
// OK writing the result back.
void CombinePreviewAndApply(benchmark::State& state, CombineOperation operation)
{
    Document document(kLastPoint);
    Workspace& ws = document.ws;
    ws.seg.SegKind = Shape::Sine;
    ws.seg.AddPending = true;
    NewSegmentForm segment(ws);
    const ShapeParameters sine = segment.parameters(Shape::Sine, 10);
    const QString points = segment.control("txtPoint")->text;
    for (auto _ : state) {
        state.PauseTiming();
        document.Reset();
        CombineForm form(ws, operation);
        state.ResumeTiming();
        PreviewSegment(ws, sine);
        form.combineStandardWave(points);
        form.click("cmdOk");
        benchmark::ClobberMemory();
    }
    if (points != "16383")
        state.SkipWithError("the selection is not 16383 points");
}

BENCHMARK_CAPTURE(TransformFullDocument, Invert, Invert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TransformFullDocument, Mirror, Mirror)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TransformFullDocument, Absolute, Absolute)->Unit(benchmark::kMillisecond);
BENCHMARK(ExpandLongest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CombinePreviewAndApply, Add, CombineOperation::Add)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CombinePreviewAndApply, Subtract, CombineOperation::Subtract)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CombinePreviewAndApply, Multiply, CombineOperation::Multiply)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlv
