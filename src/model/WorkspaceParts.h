#pragma once

// The named parts of the workspace. Each keeps the system's own field names.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "model/RecentFiles.h"
#include "model/Scale.h"
#include "model/WaveText.h"

namespace tlv {

// One document slot: the window's points, its saved snapshot and its title.
struct DocumentSlot {
    bool used = false;                                  // DocSlotUsed
    QString title;                                      // DocTitle (at most 30 characters)
    std::vector<double> store = std::vector<double>(kMaxPoints + 1, 0.0);  // DocStore
    std::vector<double> saved = std::vector<double>(kMaxPoints, 0.0);      // DocSaved
    // How many points the saved snapshot holds, so that a waveform shortened since it was
    // opened or saved still counts as changed.
    int savedCount = 0;

    // Takes the first count values of store as the saved snapshot.
    void markSaved(int count);
    void clear();
};

// The plot cache: one plot row a column (row 0 is +5 V, row 304 is -5 V) and the count of
// filled columns, the shared column counter.
struct PlotCache {
    std::array<double, kPlotColumns> rows{};
    int16_t columns = 0;
};

// The active waveform being edited, its plot cache, the selection and the undo snapshot.
// Everyone reads the points, their flags, the count and the plot cache here; only an edit
// transaction (model/EditTransaction.h) writes them, so no change can skip the book-keeping.
class EditState {
    friend struct EditAccess;
    WaveTextArray waveText_;
    std::vector<bool> pointDefined_ = std::vector<bool>(kMaxPoints, false);
    double pointCount_ = 0;
    PlotCache plot_;

public:
    EditState() = default;
    EditState(const EditState&) = delete;
    EditState& operator=(const EditState&) = delete;

    const WaveTextArray& WaveText = waveText_;
    const std::vector<bool>& PointDefined = pointDefined_;
    const double& PointCount = pointCount_;
    const std::array<double, kPlotColumns>& PlotY = plot_.rows;
    const int16_t& PlotColumn = plot_.columns;
    int16_t SelStartX = 0;
    int16_t SelEndX = 0;
    double SelStartPoint = 0;
    float SelEndPoint = 0;
    std::vector<double> SelVolts = std::vector<double>(kMaxPoints, 0.0);
    int16_t SelLast = 0;
    std::array<double, kPlotColumns> SelPreview{};
    std::vector<double> UndoVolts = std::vector<double>(kMaxPoints, 0.0);
    // Whether UndoVolts holds a snapshot an editing command took since the window was
    // activated (SnapshotForUndo sets it, DiscardUndo clears it): Undo is offered only then.
    bool UndoReady = false;
    // The snapshot is of a full buffer of 16384 points, which has no room for its marker.
    bool UndoFull = false;
    uint8_t ToolMode = 0;
    int16_t ActiveTag = 0;
    bool DrawSuspended = false;
    bool Exiting = false;
};

// The five document slots and the counters that name and place new windows.
struct DocumentSlots {
    std::array<DocumentSlot, 5> DocSlots;  // DocSlots[0] is slot 1
    int UntitledCount = 0;
    int16_t FreeSlot = 0;
    bool LoadingFile = false;
};

// The clipboard, the combine dialogs' standard wave and the Line tool's chaining.
struct WorkBuffers {
    std::vector<double> WorkVolts = std::vector<double>(kMaxPoints, 0.0);
    std::array<double, kPlotColumns> WorkPreview{};
    // The clipboard keeps its own points and length, so that a preview or a transform that
    // works in WorkVolts never changes what Paste writes.
    std::vector<double> ClipboardVolts = std::vector<double>(kMaxPoints, 0.0);
    int ClipboardLength = 0;
    bool ClipboardFull = false;
    int PasteColumn = 0;
    bool SelectAllActive = false;
    int LineChained = 0;
    int LineAnchorColumn = 0;
};

// The mouse tools' own state, and what they show on the plot until the next DrawGrid clears
// it. The plot paints the selection band and the rubber band from here; no pixels are kept.
struct ToolState {
    int16_t EditFromColumn = 0;      // leftmost column of the Free hand or Line edit
    bool LineDragging = false;       // the mouse moved with the left button held in Line mode
    int16_t FreehandPrevColumn = 0;  // column of the previous mouse position of a stroke
    // The columns the gesture under way has drawn (none while the first is above the last):
    // the release writes back only these, so points the user never touched keep their texts.
    int16_t StrokeMinColumn = 0;
    int16_t StrokeMaxColumn = -1;
    // The points the waveform held at the press, and whether the gesture drew past its end:
    // only then does the release define new points and move the end marker.
    int StrokePointCount = 0;
    bool StrokeExtended = false;
    bool SelectionShown = false;     // the marker (one column) or band is on the plot
    bool RubberBandShown = false;    // the Line tool's next segment is on the plot
    float RubberFromX = 0, RubberFromY = 0, RubberToX = 0, RubberToY = 0;
    // Columns the trace shows while a stroke is drawn past the stored waveform.
    int ShownColumns = 0;
    // A left press on the plot started the gesture now under way; moves with the button held
    // and the release belong to it.
    bool GestureActive = false;
    double ReadoutPoint = 0;         // point index under the mouse, one decimal
    double ReadoutMillivolts = 0;    // millivolts under the mouse, three decimals
};

// The segment the New Segment dialog or a shape button last described.
struct SegmentParameters {
    int SegKind = 0;  // 1 Noise, 2 Sine, 3 Triangle, 4 Ramp, 5 Square, 6 Exp Rise, 7 Exp Fall, 8 DC, 9 Damped Sine
    QString SegKindName;      // the list text when the New Segment OK was pressed
    double SegPoints = 0;
    double SegCycles = 0;
    double SegPhase = 0;      // degrees
    double SegAmplitude = 0;  // millivolts
    double SegOffset = 0;     // millivolts
    double SegDamp = 0;
    double SegDuty = 0;       // fraction of the period
    // Which combine dialog is open; while one is, the New Segment OK previews instead of writing.
    bool AddPending = false, SubtractPending = false, MultiplyPending = false;
    int16_t PreviewCount = 0;  // standard-wave points in WorkVolts
    // The Equation dialog's expression and points, as it last closed; kept for the run.
    QString EquationText = QStringLiteral("5*sin(2*pi*t)");
    QString EquationPoints = QStringLiteral("2000");
};

struct FileState {
    QString FileName;
    bool SaveDeclined = false;
    RecentFiles Recent;  // the File menu's last opened or saved files
};

// The instrument link's settings and readiness.
struct LinkState {
    int InterfaceType = 0;  // 0 serial line, 1 NI card, 2 Agilent card, 3 GPIB-USB adapter
    int ComPortNo = 1;      // COM1..COM4; 0 not chosen
    QString ComBaudText;    // "9600"; empty until the interface dialog is confirmed in this run
    QString SerialDevice;   // a device the system listed or the user typed; empty: COM<ComPortNo>'s
    int GpibBoard = -1;     // the NI board that answered; -1 none
    int GpibAddress = 1;
    bool GpibReady = false;
    int SiclSession = 0;
    bool SiclReady = false;
    QString AdapterDevice;   // the GPIB-USB adapter's serial device
    int AdapterAddress = 9;  // the instrument's GPIB address behind the adapter
    bool AdapterReady = false;
    bool ChannelMode = false;  // false: channel 1 ("F0"); true: channel 2 ("F1")
    // The Channel Setting dialog's last confirmed choice, for the rest of the run.
    bool ChannelRemembered = false;
};

}  // namespace tlv
