#include <QImage>
#include <benchmark/benchmark.h>

#include "FullDocument.h"
#include "app/DetailView.h"
#include "editing/PointEdits.h"
#include "editing/PointTableModel.h"

namespace {

// A zoom step of the detail view and its repaint, over the whole waveform (range 0) or 100 points.
void BM_DetailZoomStep(benchmark::State& state)
{
    bench::FullDocument doc;
    tlv::DetailView view(doc.ws);
    view.resize(1000, 300);
    view.waveformChanged();
    QImage image(view.size(), QImage::Format_RGB32);
    const double width = state.range(0) ? state.range(0) : 16383;
    bool in = false;
    for (auto _ : state) {
        in = !in;
        view.showPoints(5000, 5000 + (in ? width * 0.8 : width));
        view.render(&image);
    }
}
BENCHMARK(BM_DetailZoomStep)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

// A typed point written as one edit, up to the main plot's rows.
void BM_PointEdit(benchmark::State& state)
{
    bench::FullDocument doc;
    double volts = 1.0;
    for (auto _ : state) {
        volts = -volts;
        tlv::SetPoints(doc.ws, 8000, {&volts, 1});
    }
}
BENCHMARK(BM_PointEdit)->Unit(benchmark::kMicrosecond);

// Every row of the point table read once, as scrolling through it would.
void BM_PointTableAllRows(benchmark::State& state)
{
    bench::FullDocument doc;
    tlv::PointTableModel model(doc.ws);
    for (auto _ : state)
        for (int row = 0; row < model.rowCount(); ++row)
            benchmark::DoNotOptimize(model.data(model.index(row, tlv::PointTableModel::VoltsColumn)));
}
BENCHMARK(BM_PointTableAllRows)->Unit(benchmark::kMillisecond);

}  // namespace
