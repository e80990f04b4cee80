// Print: the active waveform on one landscape page.
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "files/FileCommands.h"
#include "files/PrintLayout.h"
#include "files/PrintPainter.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

// Plot rows of every 32nd point of the edit buffer; an empty waveform still gives column 0.
// A value beyond +/-5 V (an AFC file may hold any) is printed on the frame's edge rather than
// off the page.
std::vector<double> PrintRows(const Workspace& ws)
{
    std::vector<double> rows =
        PlotRows(ws.edit.WaveText.values(), std::max(PointsInEditBuffer(ws.edit), 1));
    for (double& row : rows)
        row = std::clamp(row, 0.0, static_cast<double>(kPlotHeight));
    return rows;
}

void FileCommands::Print()
{
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    std::unique_ptr<PrintTarget> printer = ws_.prompter->choosePrinter();
    if (!printer)
        return;
    QPainter painter;
    if (!painter.begin(&printer->device())) {
        cannot("Cannot print to", printer->name(), "the printer could not be started.");
        return;
    }
    PaintPrintPage(painter, PrintRows(ws_), window->caption);
    painter.end();
}

}  // namespace tlv
