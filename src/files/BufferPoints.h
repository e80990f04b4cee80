#pragma once

namespace tlv {

class Workspace;

// How many points of the edit buffer a writer or the printout takes: up to the last defined
// point, and never past the end marker (a stale flag beyond it is no point).
int PointsInEditBuffer(const Workspace& ws);

}  // namespace tlv
