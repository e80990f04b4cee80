#pragma once

#include <functional>
#include <vector>

#include "synthesis/ShapeMaths.h"

namespace tlv {

class Workspace;

// What every appended segment goes through: the tools are released, the room check ("Shortage
// Editing Space"), the undo snapshot, the writing of `volts(room)` (room: the points left after
// the start), the redraw and the commit. False when the room check refused the segment.
bool AppendSegment(Workspace& ws, double points, const std::function<std::vector<double>(int room)>& volts);

// Appends the segment to the active waveform through the edit path, after the room check
// ("Shortage Editing Space"). The caller decides where the parameters come from: a shape
// button's toolbar defaults or the New Segment dialog's boxes.
void InsertSegment(Workspace& ws, const ShapeParameters& shape);
// The same segment as a standard wave in WorkVolts for the combine dialogs; the document is
// never touched.
void PreviewSegment(Workspace& ws, const ShapeParameters& shape);

}  // namespace tlv
