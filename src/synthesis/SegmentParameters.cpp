#include "synthesis/SegmentParameters.h"

#include "model/DialogForm.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"
#include "synthesis/SegmentKinds.h"

namespace tlv {

namespace {

// A box of the dialog read leniently: its leading number, 0 when there is none.
double Box(const Workspace& ws, const char* name)
{
    const Control* box = ws.SegmentDialog ? ws.SegmentDialog->control(name) : nullptr;
    return box ? TextToNumber(box->text.toStdString()) : 0;
}

bool IsDamped(int kind)
{
    return kind == Shape::DampedSine || kind == Shape::ExpRise || kind == Shape::ExpFall;
}

}  // namespace

void TakeToolbarDefaults(Workspace& ws, int kind)
{
    ws.SegPoints = 2000;
    ws.SegOffset = 0;
    if (kind == Shape::Dc)
        return;
    ws.SegAmplitude = 5000;
    if (kind == Shape::Noise)
        return;
    ws.SegCycles = kind == Shape::DampedSine ? 5 : 1;
    ws.SegPhase = 0;
    if (kind == Shape::Square)
        ws.SegDuty = 0.5;
    else if (kind == Shape::DampedSine)
        ws.SegDamp = -0.5;
    else if (kind == Shape::ExpRise || kind == Shape::ExpFall)
        ws.SegDamp = -0.1;
}

void TakeDialogValues(Workspace& ws, int kind, double dampDivisor)
{
    ws.SegPoints = Box(ws, "txtPoint");
    ws.SegOffset = Box(ws, "txtOffset") * 1000;
    if (kind == Shape::Dc)
        return;
    ws.SegAmplitude = Box(ws, "txtAmplitude") * 1000;
    if (kind == Shape::Noise)
        return;
    ws.SegCycles = Box(ws, "txtCycles");
    ws.SegPhase = Box(ws, "txtPhase");
    if (kind == Shape::Square)
        ws.SegDuty = Box(ws, "txtDuty") / 100;
    else if (IsDamped(kind))
        ws.SegDamp = Box(ws, "txtDamp") / dampDivisor;
}

ShapeParameters CurrentShape(const Workspace& ws, int kind)
{
    ShapeParameters shape;
    shape.kind = kind;
    shape.points = ws.SegPoints;
    shape.cycles = ws.SegCycles;
    shape.phase = ws.SegPhase;
    shape.amplitude = ws.SegAmplitude;
    shape.offset = ws.SegOffset;
    shape.damp = ws.SegDamp;
    shape.duty = ws.SegDuty;
    return shape;
}

}  // namespace tlv
