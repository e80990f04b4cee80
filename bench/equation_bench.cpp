#include <benchmark/benchmark.h>

#include "model/Scale.h"
#include "synthesis/EquationForm.h"

namespace tlv {
namespace {

// What the equation dialog does on each keystroke: read the expression, evaluate a full segment,
// and squeeze it into the preview's columns. A chirp under a decaying envelope with a tone added:
// three functions at every point.
void EquationChirp(benchmark::State& state)
{
    const QString chirp = "4*sin(2*pi*(5*t + 40*t^2)) * exp(-2*t) + 0.5*cos(2*pi*200*t)";
    const QString points = QString::number(kLastPoint);
    for (auto _ : state) {
        EquationPreview preview = PreviewEquation(chirp, points, kPlotWidth);
        if (preview.columns.empty()) {
            state.SkipWithError(qPrintable(preview.reading));
            break;
        }
        benchmark::DoNotOptimize(preview);
    }
}

BENCHMARK(EquationChirp)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tlv
