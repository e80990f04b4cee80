// The nine writing generators: each appends a standard segment to the active waveform.
#include "model/Prompter.h"
#include "model/Workspace.h"
#include "synthesis/SegmentKinds.h"
#include "synthesis/SegmentParameters.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {

namespace {

bool& ToolbarFlag(Workspace& ws, int kind)
{
    switch (kind) {
    case Shape::Noise: return ws.ToolbarNoise;
    case Shape::Sine: return ws.ToolbarSine;
    case Shape::Triangle: return ws.ToolbarTriangle;
    case Shape::Ramp: return ws.ToolbarRamp;
    case Shape::Square: return ws.ToolbarSquare;
    case Shape::ExpRise: return ws.ToolbarExpRise;
    case Shape::ExpFall: return ws.ToolbarExpFall;
    case Shape::Dc: return ws.ToolbarDc;
    default: return ws.ToolbarDamped;
    }
}

// Just past the last marked point. A waveform whose only marked point is point 0 is written
// over from point 0.
int WritePosition(const std::vector<bool>& defined)
{
    for (int i = kLastPoint; i > 0; --i)
        if (defined[static_cast<size_t>(i)])
            return i + 1;
    return 0;
}

// The undo snapshot holds the waveform and its end marker.
void SnapshotForUndo(Workspace& ws, int count)
{
    std::fill(ws.UndoVolts.begin(), ws.UndoVolts.end(), 0.0);
    for (int i = 0; i <= count && i < kMaxPoints; ++i) {
        if (ws.WaveText[i].empty())
            ws.WaveText.clear(i);
        ws.UndoVolts[static_cast<size_t>(i)] = ws.WaveText.value(i);
    }
}

// Plot rows of every 32nd point of the edit buffer.
void FillPlotCache(Workspace& ws)
{
    int c = 0;
    for (int i = 0; i <= ws.PointCount - 1 && c < kPlotColumns; i += 32, ++c)
        ws.PlotY[static_cast<size_t>(c)] = MillivoltsToPlotY(ws.WaveText.value(i) * 1000);
    ws.PlotColumn = static_cast<int16_t>(c);
}

void InsertSegment(Workspace& ws, int kind)
{
    ws.ToolMode = 0;
    ws.commands.setChecked("mnuEditselect", true);
    ws.LineChained = 0;
    ws.LineAnchorColumn = 0;
    ws.PointCount = 0;

    bool& fromToolbar = ToolbarFlag(ws, kind);
    if (fromToolbar)
        TakeToolbarDefaults(ws, kind);
    else
        TakeDialogValues(ws, kind, 1);
    fromToolbar = false;

    const int start = WritePosition(ws.PointDefined);
    ws.PointCount = start;
    if (start + ws.SegPoints > kLastPoint) {
        ws.prompter->message("Shortage Editing Space ", "TLV", Buttons::Ok, Icon::None);
        return;
    }
    SnapshotForUndo(ws, start);
    ws.PlotY.fill(0.0);

    const UniformSource random = kind == Shape::Noise ? FreshNoiseSource() : UniformSource();
    int n = start;
    for (double mv : ShapeMillivolts(CurrentShape(ws, kind), kMaxPoints - start, random)) {
        ws.WaveText.setVolts(n, ClipMillivolts(mv) / 1000);
        ws.PointDefined[static_cast<size_t>(n)] = true;
        ++n;
    }
    ws.PointCount = n;
    if (n < kMaxPoints)
        ws.WaveText.setEndMarker(n);

    FillPlotCache(ws);
    ws.DrawGrid();
    ws.CommitEditBuffer();
}

}  // namespace

void Workspace::InsertNoise() { InsertSegment(*this, Shape::Noise); }
void Workspace::InsertSine() { InsertSegment(*this, Shape::Sine); }
void Workspace::InsertTriangle() { InsertSegment(*this, Shape::Triangle); }
void Workspace::InsertRamp() { InsertSegment(*this, Shape::Ramp); }
void Workspace::InsertSquare() { InsertSegment(*this, Shape::Square); }
void Workspace::InsertExpRise() { InsertSegment(*this, Shape::ExpRise); }
void Workspace::InsertExpFall() { InsertSegment(*this, Shape::ExpFall); }
void Workspace::InsertDc() { InsertSegment(*this, Shape::Dc); }
void Workspace::InsertDampedSine() { InsertSegment(*this, Shape::DampedSine); }

}  // namespace tlv
