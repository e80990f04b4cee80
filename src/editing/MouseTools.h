#pragma once

#include "editing/ColumnRoutines.h"
#include "model/DocumentWindow.h"
#include "model/EditTransaction.h"
#include "model/Services.h"

namespace tlv {

class Workspace;

// The three tools on the active plot: Marker (a selection or an insertion point), Free hand and
// Line. They edit the plot cache column by column and write the columns a gesture drew back into
// the edit buffer when the button is released, 32 equal points a column. Every move also shows
// the cursor readout.
class MouseTools : public PlotInputHandler {
public:
    explicit MouseTools(Workspace& ws);
    void plotInput(const PlotInput& input) override;

private:
    void press(const PlotInput& input);
    void move(const PlotInput& input);
    void release(const PlotInput& input);
    void click(const PlotInput& input);
    void doubleClick();
    void key(int code);

    // The common start of a press: the selection reset, the count and the plot cache refilled
    // from the edit buffer; returns the number of filled columns.
    int startPress(EditTransaction& tx);
    // The common end of a release: the tool buttons and Edit Select follow ToolMode.
    void endRelease();

    void markerPress(int column, int filled);
    void markerMove(int column);
    void markerRelease(int column);

    // Steps shared by the Free hand and Line presses; returns the column clamped to 1..512.
    int startStroke(EditTransaction& tx, int column);
    // Columns the gesture has drawn, to be written back on release.
    void cover(ColumnSpan span);
    // The gesture drew past the end: the waveform now reaches through the column.
    void extendTo(int column);
    void freehandPress(EditTransaction& tx, int column, float y);
    void freehandMove(int column, float y);
    void freehandRelease(int column);

    void linePress(EditTransaction& tx, int column, float y);
    // A move without a button: the rubber band from the anchor to the mouse.
    void lineMove(float x, float y);
    void lineRelease(int column);

    // The drawn columns into the edit buffer, 32 equal points a column, and when the gesture
    // drew past the end, every new point through LastColumn and the end marker after it.
    void writeBack(EditTransaction& tx);
    // Columns the trace shows while a stroke reaches beyond the stored curve.
    void showColumnsThrough(int column);

    int& lastColumn();
    // The plot row of a column, the column kept inside the cache.
    double row(int column) const;

    Workspace& ws_;
};

}  // namespace tlv
