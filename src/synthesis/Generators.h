#pragma once

#include <functional>
#include <vector>

#include "model/SegmentAppend.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {

class Workspace;

// Appends the segment to the active waveform through the edit path, after the room check
// ("Shortage Editing Space"). The caller decides where the parameters come from: a shape
// button's toolbar defaults or the New Segment dialog's boxes.
void InsertSegment(Workspace& ws, const ShapeParameters& shape);
// The same segment as a standard wave in WorkVolts for the combine dialogs; the document is
// never touched.
void PreviewSegment(Workspace& ws, const ShapeParameters& shape);

}  // namespace tlv
