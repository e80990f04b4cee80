#pragma once

// The named parts of the workspace. Each keeps the system's own field names.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

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

// The active waveform being edited, its plot cache, the selection and the undo snapshot.
// Points change only through the edit path (model/EditPath.h).
struct EditState {
    WaveTextArray WaveText;
    std::vector<bool> PointDefined = std::vector<bool>(kMaxPoints, false);
    double PointCount = 0;
    std::array<double, kPlotColumns> PlotY{};
    int16_t PlotColumn = 0;
    int16_t SelStartX = 0;
    int16_t SelEndX = 0;
    double SelStartPoint = 0;
    float SelEndPoint = 0;
    std::vector<double> SelVolts = std::vector<double>(kMaxPoints, 0.0);
    int16_t SelLast = 0;
    std::array<double, kPlotColumns> SelPreview{};
    std::vector<double> UndoVolts = std::vector<double>(kMaxPoints, 0.0);
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
    bool ClipboardFull = false;
    int PasteColumn = 0;
    bool SelectAllActive = false;
    int LineChained = 0;
    int LineAnchorColumn = 0;
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
};

struct FileState {
    QString FileName;
    bool SaveDeclined = false;
};

// The instrument link's settings and readiness.
struct LinkState {
    int InterfaceType = 0;
    int ComPortNo = 1;
    int GpibAddress = 1;
    bool GpibReady = false;
    bool SiclReady = false;
    int GpibBoard = -1;   // the NI board index that answered; -1 when none did
    int SiclSession = 0;  // the SICL session of the identified instrument
};

}  // namespace tlv
