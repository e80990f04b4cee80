#include <benchmark/benchmark.h>

#include "model/Scale.h"
#include "synthesis/Equation.h"
#include "synthesis/SegmentPreview.h"

namespace tlv {
namespace {

// What the equation dialog does on each keystroke and on OK: read the expression, evaluate a
// full segment, and squeeze it into the preview's columns. A chirp under a decaying envelope with
// a tone added: three functions at every point.
void EquationChirp(benchmark::State& state)
{
    const QString chirp = "4*sin(2*pi*(5*t + 40*t^2)) * exp(-2*t) + 0.5*cos(2*pi*200*t)";
    for (auto _ : state) {
        Equation equation;
        if (equation.compile(chirp)) {
            state.SkipWithError("the expression was not read");
            break;
        }
        auto segment = equation.evaluate(kLastPoint);
        auto* volts = std::get_if<EquationSegment>(&segment);
        if (!volts) {
            state.SkipWithError("the segment was refused");
            break;
        }
        benchmark::DoNotOptimize(PreviewColumns(volts->volts, kPlotWidth));
    }
}

BENCHMARK(EquationChirp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tlv
