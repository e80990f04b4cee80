// Print: the active waveform on one landscape page.
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "files/FileCommands.h"
#include "files/PrintLayout.h"
#include "files/PrintPainter.h"
#include "platform/SafeSave.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

// Plot rows of every 32nd point of the edit buffer and each column's range. An empty waveform
// still gives column 0, at 0 V: its first entry is the end marker, no value to print. A value
// beyond +/-5 V (an AFC file may hold any) is printed on the frame's edge rather than off the
// page.
PrintTrace PrintTraceOf(const Workspace& ws)
{
    const int count = PointsInEditBuffer(ws.edit);
    if (count == 0)
        return PrintTrace({MillivoltsToPlotY(0)});
    PrintTrace trace(PlotRows(ws.edit.WaveText.values(), count), ColumnRanges(ws.edit.WaveText.values(), count));
    auto inFrame = [](double& row) { row = std::clamp(row, 0.0, static_cast<double>(kPlotHeight)); };
    std::for_each(trace.rows.begin(), trace.rows.end(), inFrame);
    for (ColumnRange& range : trace.ranges) {
        inFrame(range.top);
        inFrame(range.bottom);
    }
    return trace;
}

namespace {

// The page as a PDF, painted in memory so that the file is written as every file is: whole or
// not at all, and never onto a device or a FIFO.
QByteArray PdfPage(const QPagedPaintDevice& device, const PrintTrace& trace,
                   const QString& caption)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(device.pageLayout());
    writer.setResolution(device.logicalDpiX());
    QPainter painter(&writer);
    PaintPrintPage(painter, trace, caption);
    painter.end();
    return pdf;
}
}  // namespace

void FileCommands::Print()
{
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    std::unique_ptr<PrintTarget> printer = ws_.prompter->choosePrinter();
    if (!printer)
        return;
    if (const QString target = printer->pdfPath(); !target.isEmpty()) {
        if (QString reason = WriteFileSafely(target, PdfPage(printer->device(), PrintTraceOf(ws_), window->caption));
            !reason.isEmpty())
            cannot("Cannot print to", target, reason + ".");
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer->device())) {
        cannot("Cannot print to", printer->name(), "the printer could not be started.");
        return;
    }
    PaintPrintPage(painter, PrintTraceOf(ws_), window->caption);
    painter.end();
}

}  // namespace tlv
