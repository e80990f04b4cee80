#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "FullDocument.h"
#include "display/PlotGeometry.h"
#include "display/PlotPainter.h"
#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace {

using bench::FullDocument;

void BM_CommitEditBuffer(benchmark::State& state)
{
    FullDocument doc;
    for (auto _ : state)
        doc.ws.CommitEditBuffer();
}
BENCHMARK(BM_CommitEditBuffer)->Unit(benchmark::kMicrosecond);

void BM_RebuildPlotCache(benchmark::State& state)
{
    FullDocument doc;
    for (auto _ : state)
        doc.ws.RebuildPlotCache();
}
BENCHMARK(BM_RebuildPlotCache)->Unit(benchmark::kMicrosecond);

void BM_FullPlotRender(benchmark::State& state)
{
    FullDocument doc;
    doc.ws.RebuildPlotCache();
    QSize client = tlv::NormalClientSize();
    QImage image(client, QImage::Format_RGB32);
    QRect box = tlv::BoxRect(client);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::lightGray);
        tlv::PaintAxisLabels(painter, client, tlv::WindowState::Normal);
        painter.translate(box.topLeft());
        // As the window paints: each column's range from the points, behind the trace.
        tlv::PaintPlot(painter, box.size(), tlv::WindowState::Normal, doc.ws.edit.PlotY.data(),
                       doc.ws.edit.PlotColumn, {},
                       tlv::ColumnRanges(doc.ws.edit.WaveText.values(), tlv::kMaxPoints));
    }
}
BENCHMARK(BM_FullPlotRender)->Unit(benchmark::kMicrosecond);

}  // namespace
