// The nine preview generators: the same shapes as standard waves for the combine dialogs, in
// WorkVolts; the document is never touched.
#include "model/Workspace.h"
#include "synthesis/SegmentKinds.h"
#include "synthesis/SegmentParameters.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {

namespace {

void PreviewSegment(Workspace& ws, int kind)
{
    TakeDialogValues(ws, kind, 10);
    std::fill(ws.WorkVolts.begin(), ws.WorkVolts.end(), 0.0);
    ws.PreviewCount = 0;
    const UniformSource random = kind == Shape::Noise ? FreshNoiseSource() : UniformSource();
    for (double mv : ShapeMillivolts(CurrentShape(ws, kind), kMaxPoints, random))
        ws.WorkVolts[static_cast<size_t>(ws.PreviewCount++)] = ClipMillivolts(mv) / 1000;
}

}  // namespace

void Workspace::PreviewNoise() { PreviewSegment(*this, Shape::Noise); }
void Workspace::PreviewSine() { PreviewSegment(*this, Shape::Sine); }
void Workspace::PreviewTriangle() { PreviewSegment(*this, Shape::Triangle); }
void Workspace::PreviewRamp() { PreviewSegment(*this, Shape::Ramp); }
void Workspace::PreviewSquare() { PreviewSegment(*this, Shape::Square); }
void Workspace::PreviewExpRise() { PreviewSegment(*this, Shape::ExpRise); }
void Workspace::PreviewExpFall() { PreviewSegment(*this, Shape::ExpFall); }
void Workspace::PreviewDc() { PreviewSegment(*this, Shape::Dc); }
void Workspace::PreviewDampedSine() { PreviewSegment(*this, Shape::DampedSine); }

}  // namespace tlv
