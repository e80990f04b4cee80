#pragma once

#include <functional>
#include <vector>

namespace tlv {

class Workspace;

// What every appended segment goes through: the tools are released, the room check ("Shortage
// Editing Space"), the undo snapshot, the writing of `volts(room)` (room: the points left after
// the start), the redraw and the commit. False when the room check refused the segment.
bool AppendSegment(Workspace& ws, double points, const std::function<std::vector<double>(int room)>& volts);

}  // namespace tlv
