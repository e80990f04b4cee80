#pragma once

// An edit of the active waveform, as an object on the stack: its constructor opens the edit,
// its destructor closes it with the book-keeping the command asked for, so that no caller can
// forget the closing half. Every change of points, flags, the count or the plot cache goes
// through one (generators, readers, mouse tools, clipboard, transforms, combine dialogs,
// window activation); the fields are not writable anywhere else.
#include <span>
#include <string>
#include <vector>

#include "model/EditPath.h"

namespace tlv {

class Workspace;

class EditTransaction {
public:
    enum class Closing {
        // CommitEditBuffer: the recount, the commands' enabling and the slot store; a redraw.
        Commit,
        // Commit, then DrawGrid and RebuildPlotCache from what was stored.
        CommitAndReplot,
        // DrawGrid and RebuildPlotCache only: the points came from the slot (activation).
        Replot,
        // A redraw request only: the plot rows of a gesture under way, a count set by a rule.
        Redraw,
    };

    explicit EditTransaction(Workspace& ws, Closing closing = Closing::Commit);
    ~EditTransaction();
    EditTransaction(const EditTransaction&) = delete;
    EditTransaction& operator=(const EditTransaction&) = delete;

    // Closes the edit before the end of its scope (a command's enabling that must follow the
    // commit); the destructor then does nothing.
    void finish();

    // Takes the edit buffer into UndoVolts (empty texts read as "0") and makes Undo available:
    // the one way to take a snapshot.
    void SnapshotForUndo(UndoExtent extent, int count = 0);

    // Writes a computed value in the "+0.000000E+00" pattern and marks the point defined. A
    // value that is not a finite number is refused: the point stays as it was.
    void WritePoint(int index, double volts);
    // Writes a text as given (a stored value, a typed one) and sets the point's flag.
    void WritePointText(int index, std::string text, bool defined = true);
    // Closes the data after count points; a full buffer has no room for the marker.
    void PlaceEndMarker(int count);
    // Writes volts from start on (as far as the buffer reaches), closes the data and sets
    // PointCount. Returns the new count.
    int WritePoints(int start, const std::vector<double>& volts);
    // Writes volts over the points from start on, in place: the end marker and the count stay
    // as they are. Writing stops before index `stop` (exclusive, at most the buffer's end).
    // Returns the index after the last point written.
    int OverwritePoints(int start, std::span<const double> volts, int stop);
    // Writes one value into count points from start on, as far as the buffer reaches.
    void WritePointRun(int start, int count, double volts);
    // Moves count points (texts and flags) from one index to another; the ranges may overlap.
    void MovePoints(int from, int to, int count);
    // Ends the data at count: the marker there (when it fits) and every entry after it emptied,
    // so that no stale point or flag outlives a waveform that got shorter.
    void EndDataAt(int count);
    // Clears texts and flags of points 0..through.
    void ClearEditBuffer(int through = kLastPoint);
    // PointCount as a command's own rule sets it (a last index, a count).
    void SetPointCount(double count);

    void SetPlotCache(const std::vector<double>& rows);
    // The plot cache from the first PointCount points of the edit buffer.
    void RefreshPlotFromEditBuffer();
    // The plot cache itself, for the mouse tools' column routines.
    PlotCache& plot();

private:
    Workspace& ws_;
    Closing closing_;
    bool open_ = true;
};

}  // namespace tlv
