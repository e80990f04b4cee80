// Print: the active waveform on one landscape page.
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "files/BufferPoints.h"
#include "files/FileCommands.h"
#include "files/PrintLayout.h"
#include "files/PrintPainter.h"
#include "files/SafeSave.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
// Plot rows of every 32nd point of the edit buffer; an empty waveform still gives column 0.
// A value beyond +/-5 V (an AFC file may hold any) is printed on the frame's edge rather than
// off the page.
std::vector<double> PrintRows(const Workspace& ws)
{
    const int last = std::max(PointsInEditBuffer(ws) - 1, 0);
    std::vector<double> rows;
    for (int j = 0; j <= last && static_cast<int>(rows.size()) < kPlotColumns; j += 32)
        rows.push_back(std::clamp(MillivoltsToPlotY(ws.WaveText.value(j) * 1000.0), 0.0,
                                  static_cast<double>(kPlotHeight)));
    return rows;
}

void SetUpPage(QPrinter& printer)
{
    printer.setResolution(kTwipsPerInch);
    printer.setPageOrientation(QPageLayout::Landscape);
}

// The printer's page as a PDF, painted in memory so that the file is written as every file is:
// whole or not at all, and never onto a device or a FIFO.
QByteArray PdfPage(const QPrinter& printer, const std::vector<double>& rows, const QString& caption)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    QPainter painter(&writer);
    PaintPrintPage(painter, rows, caption);
    painter.end();
    return pdf;
}
}  // namespace

void FileCommands::Print()
{
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPage(printer);
    if (!ws_.prompter->choosePrinter(printer))
        return;
    // The printer dialog may have changed them; the layout needs both.
    SetUpPage(printer);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString target = printer.outputFileName();
        if (QString reason = WriteFileSafely(target, PdfPage(printer, PrintRows(ws_), window->caption));
            !reason.isEmpty())
            cannot("Cannot print to", target, reason + ".");
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        cannot("Cannot print to", target, "the printer could not be started.");
        return;
    }
    PaintPrintPage(painter, PrintRows(ws_), window->caption);
    painter.end();
}

}  // namespace tlv
