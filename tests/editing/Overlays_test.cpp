#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "commands/Commands.h"
#include "display/PlotPainter.h"
#include "editing/EditCommands.h"
#include "editing/Overlays.h"
#include "model/ScriptedPrompter.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"

using namespace tlv;

namespace {
// The plot at one pixel a unit (the normal box's scale).
QImage Paint(const std::vector<double>& rows, const PlotOverlay& overlay)
{
    QImage image(570, 370, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintPlot(painter, image.size(), WindowState::Normal, rows.data(), static_cast<int>(rows.size()),
              overlay);
    return image;
}
}  // namespace

TEST(Overlays, TheBandInvertsWhatLiesUnderItAndNothingElse)
{
    const std::vector<double> rows(100, 100.0);
    PlotOverlay band;
    band.selection = true;
    band.selectionFrom = 20;  // either order
    band.selectionTo = 10;
    const QImage image = Paint(rows, band);
    EXPECT_EQ(image.pixelColor(15, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(15, 100), QColor(0, 0, 255));  // the trace stays visible
    EXPECT_EQ(image.pixelColor(30, 50), kPlotBackground);
    EXPECT_EQ(image.pixelColor(30, 100), kTraceColour);
    EXPECT_EQ(image.pixelColor(15, 340), kPlotBackground);  // rows 0..304 only

    PlotOverlay marker;
    marker.selection = true;
    marker.selectionFrom = marker.selectionTo = 40;
    const QImage line = Paint(rows, marker);
    EXPECT_TRUE(PaintedNear(line, 40, 50, Qt::white));
    EXPECT_EQ(line.pixelColor(43, 50), kPlotBackground);
}

TEST(Overlays, TheRubberBandRunsFromTheAnchorToTheMouse)
{
    PlotOverlay overlay;
    overlay.rubberBand = true;
    overlay.rubberLine = QLineF(100, 50, 200, 250);
    const QImage image = Paint({}, overlay);
    EXPECT_TRUE(PaintedNear(image, 150, 150, kLineToolColour));
    EXPECT_TRUE(PaintedNear(image, 199, 248, kLineToolColour));
    EXPECT_FALSE(PaintedNear(image, 250, 150, kLineToolColour));
}

TEST(Overlays, ShownFromTheStateUntilTheGridIsRedrawn)
{
    Workspace ws;
    ScriptedPrompter prompter;
    ws.prompter = &prompter;
    Commands commands(ws, QString());
    auto tools = RegisterEditingCommands(ws, commands);
    ws.New();
    test::FillWaveform(ws, std::vector<double>(100, 1.0));

    SelectAllPoints(ws);
    PlotOverlay overlay = ToolOverlay(ws);
    EXPECT_TRUE(overlay.selection);
    EXPECT_EQ(overlay.selectionFrom, 0);
    EXPECT_EQ(overlay.selectionTo, 3);

    ChooseLine(ws);  // redraws the grid: the band goes
    EXPECT_FALSE(ToolOverlay(ws).selection);
    ws.mouseTools->plotInput(PlotInput{PlotInput::Type::Move, 40.5f, 60, 0, 0});
    overlay = ToolOverlay(ws);
    EXPECT_TRUE(overlay.rubberBand);
    EXPECT_EQ(overlay.rubberLine, QLineF(3, static_cast<float>(ws.edit.PlotY[3]), 40.5, 60));

    // A stroke past the stored curve shows until the next redraw.
    ChooseFreehand(ws);
    ws.mouseTools->plotInput(PlotInput{PlotInput::Type::Press, 3, 100, 1, 0});
    ws.mouseTools->plotInput(PlotInput{PlotInput::Type::Move, 50, 100, 1, 0});
    EXPECT_EQ(ShownTraceColumns(ws), 51);
    EXPECT_FALSE(ToolOverlay(ws).rubberBand);
    ws.DrawGrid();
    EXPECT_EQ(ShownTraceColumns(ws), ws.edit.PlotColumn);
}
