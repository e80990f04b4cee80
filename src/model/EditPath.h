#pragma once

// The edit path: every change of points (generators, readers, mouse tools, clipboard,
// transforms, combine dialogs) goes through these routines, so that texts, flags, the end
// marker, the count, the plot cache, the undo snapshot and the slot store keep in step. The
// rules of each command stay with the command; the book-keeping lives here.
#include <span>
#include <string>
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

// ---- Writing points -----------------------------------------------------------------------------
// Writes a computed value in the "+0.000000E+00" pattern and marks the point defined.
void WritePoint(EditState& edit, int index, double volts);
// Writes a text as given (a stored value, a typed one) and sets the point's flag.
void WritePointText(EditState& edit, int index, std::string text, bool defined = true);
// Closes the data after count points; a full buffer has no room for the marker.
void PlaceEndMarker(EditState& edit, int count);
// Writes volts from start on (as far as the buffer reaches), closes the data and sets
// PointCount. Returns the new count.
int WritePoints(EditState& edit, int start, const std::vector<double>& volts);
// Writes volts over the points from start on, in place: the end marker and the count stay as they
// are. Writing stops before index `stop` (exclusive, at most the buffer's end). Returns the index
// after the last point written.
int OverwritePoints(EditState& edit, int start, std::span<const double> volts, int stop);
// Writes one value into count points from start on, as far as the buffer reaches.
void WritePointRun(EditState& edit, int start, int count, double volts);
// Moves count points (texts and flags) from one index to another; the ranges may overlap.
void MovePoints(EditState& edit, int from, int to, int count);
// Ends the data at count: the marker there (when it fits) and every entry after it emptied,
// so that no stale point or flag outlives a waveform that got shorter.
void EndDataAt(EditState& edit, int count);
// Clears texts and flags of points 0..through.
void ClearEditBuffer(EditState& edit, int through = kLastPoint);

// ---- Undo -----------------------------------------------------------------------------------------
enum class UndoExtent {
    WholeBuffer,    // every point
    ThroughMarker,  // points 0..count, the last being the marker
};
// Takes the edit buffer into UndoVolts (empty texts read as "0") and makes Undo available:
// the one way to take a snapshot.
void SnapshotForUndo(EditState& edit, UndoExtent extent, int count = 0);
// Forgets the snapshot (window activation, Undo itself): Undo has nothing to restore.
void DiscardUndo(EditState& edit);

// ---- Plot cache and stores -------------------------------------------------------------------------
void SetPlotCache(EditState& edit, const std::vector<double>& rows);
// The plot cache from the first PointCount points of the edit buffer.
void RefreshPlotFromEditBuffer(EditState& edit);
// Writes count values and the marker after them into a slot's store; the rest is zero.
void StoreVolts(DocumentSlot& slot, const double* volts, int count);
// Stores the first PointCount points of the edit buffer.
void StoreEditBuffer(const EditState& edit, DocumentSlot& slot);

}  // namespace tlv
