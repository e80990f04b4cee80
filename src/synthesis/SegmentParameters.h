#pragma once

#include "synthesis/ShapeMaths.h"

namespace tlv {

class Workspace;

// Fills the segment parameter set with the fixed values a shape button uses.
void TakeToolbarDefaults(Workspace& ws, int kind);
// Fills it from the New Segment dialog's boxes as they stand (no open dialog reads as zeros).
// The previews divide the damping by 10, so that a combined wave decays more slowly.
void TakeDialogValues(Workspace& ws, int kind, double dampDivisor);
// The segment the parameter set describes.
ShapeParameters CurrentShape(const Workspace& ws, int kind);

}  // namespace tlv
