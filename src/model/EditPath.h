#pragma once

// The edit path's reading side: the counting rules, the plot rows and the slot stores. The
// writes are the edit transaction's (model/EditTransaction.h).
#include <vector>

#include "model/WorkspaceParts.h"

namespace tlv {

// ---- Counting rules ---------------------------------------------------------------------------
// The edit buffer: up to its last non-zero text; a full buffer (no room for the marker) counts
// 16384 whatever its last value.
int CountEditBuffer(const EditState& edit);
// A store of doubles: the index of its 999.0 marker (16384 for a full document).
int CountStore(const std::vector<double>& store);
// The points a writer or the printout takes: up to the last defined point, never past the end
// marker (a stale flag beyond it is no point).
int PointsInEditBuffer(const EditState& edit);
// Where an appended segment starts: just past the last defined point. A waveform whose only
// defined point is point 0 is written over from point 0.
int WritePosition(const EditState& edit);

// ---- Plot rows ----------------------------------------------------------------------------------
// Plot rows of every 32nd of the first count values, at most one per plot column.
std::vector<double> PlotRows(const double* volts, int count);
// A column's lowest and highest points as plot rows: top is the row of the highest value.
struct ColumnRange {
    double top = 0;
    double bottom = 0;
};
// The range of each column's 32 points (fewer in a short last column) of the first count values,
// at most one per plot column: a dense waveform drawn with them shows its envelope.
std::vector<ColumnRange> ColumnRanges(const double* volts, int count);

// ---- Undo -----------------------------------------------------------------------------------------
enum class UndoExtent {
    WholeBuffer,    // every point
    ThroughMarker,  // points 0..count, the last being the marker
};
// Forgets the snapshot (window activation, Undo itself): Undo has nothing to restore.
void DiscardUndo(EditState& edit);

// ---- Stores ----------------------------------------------------------------------------------------
// Writes count values and the marker after them into a slot's store; the rest is zero.
void StoreVolts(DocumentSlot& slot, const double* volts, int count);
// Stores the first PointCount points of the edit buffer.
void StoreEditBuffer(const EditState& edit, DocumentSlot& slot);

}  // namespace tlv
