#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "model/CommandState.h"
#include "model/DocumentWindow.h"
#include "model/Scale.h"
#include "model/WaveText.h"

namespace tlv {

class DialogForm;
class Prompter;

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

// The application-wide state of Tolvenar and the routines that work on it. main() creates one;
// every command, form and view gets it by reference.
class Workspace {
public:
    Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // ---- Outside world -------------------------------------------------------------------
    CommandState commands;
    Prompter* prompter = nullptr;
    DocumentViews* views = nullptr;
    // The frame's Save command; the close question's Yes runs it.
    std::function<void()> saveCommand;
    // The mouse tools take the plot's input; without them it goes nowhere.
    std::function<void(const PlotInput&)> plotInput;
    // Closes a ready instrument link at shutdown.
    std::function<void()> closeInstrumentLink;

    // ---- Status bar ----------------------------------------------------------------------
    std::array<QString, 5> StatusPanel;  // StatusPanel[0] is panel 1
    void SetStatusPanel(int panel, const QString& text);

    // ---- Edit state ----------------------------------------------------------------------
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

    // ---- Clipboard and work buffers ------------------------------------------------------
    std::vector<double> WorkVolts = std::vector<double>(kMaxPoints, 0.0);
    std::array<double, kPlotColumns> WorkPreview{};
    bool ClipboardFull = false;
    int PasteColumn = 0;
    bool SelectAllActive = false;
    int LineChained = 0;
    int LineAnchorColumn = 0;

    // ---- Documents -----------------------------------------------------------------------
    std::array<DocumentSlot, 5> DocSlots;  // DocSlots[0] is slot 1
    int UntitledCount = 0;
    int16_t FreeSlot = 0;
    bool NewPending = false;
    bool LoadingFile = false;
    bool DocChanged = false;
    QString MsgAnswer;

    // ---- Segment parameters --------------------------------------------------------------
    int SegKind = 0;  // 1 Noise, 2 Sine, 3 Triangle, 4 Ramp, 5 Square, 6 Exp Rise, 7 Exp Fall, 8 DC, 9 Damped Sine

    // ---- Segment generators (implemented in synthesis/) ----------------------------------
    QString SegKindName;      // the list text when the New Segment OK was pressed
    double SegPoints = 0;
    double SegCycles = 0;
    double SegPhase = 0;      // degrees
    double SegAmplitude = 0;  // millivolts
    double SegOffset = 0;     // millivolts
    double SegDamp = 0;
    double SegDuty = 0;       // fraction of the period
    // Set by a shape button: its generator takes the toolbar defaults, then clears the flag.
    bool ToolbarSine = false, ToolbarTriangle = false, ToolbarSquare = false, ToolbarRamp = false,
         ToolbarDamped = false, ToolbarExpRise = false, ToolbarExpFall = false,
         ToolbarNoise = false, ToolbarDc = false;
    // Which combine dialog is open; while one is, the New Segment OK previews instead of writing.
    bool AddPending = false, SubtractPending = false, MultiplyPending = false;
    int16_t PreviewCount = 0;  // standard-wave points in WorkVolts
    // The New Segment dialog while it is open; the generators read its boxes.
    const DialogForm* SegmentDialog = nullptr;

    void InsertNoise();
    void InsertSine();
    void InsertTriangle();
    void InsertRamp();
    void InsertSquare();
    void InsertExpRise();
    void InsertExpFall();
    void InsertDc();
    void InsertDampedSine();
    void PreviewNoise();
    void PreviewSine();
    void PreviewTriangle();
    void PreviewRamp();
    void PreviewSquare();
    void PreviewExpRise();
    void PreviewExpFall();
    void PreviewDc();
    void PreviewDampedSine();

    // ---- Files (implemented in files/) ---------------------------------------------------
    QString FileName;
    bool SaveDeclined = false;

    // ---- Instrument link and system ------------------------------------------------------
    int InterfaceType = 0;
    int ComPortNo = 1;
    int GpibAddress = 1;
    bool GpibReady = false;
    bool SiclReady = false;
    std::array<QString, 5> OsVersionText;

    // ---- Shared routines -----------------------------------------------------------------
    void CommitEditBuffer();
    void RebuildPlotCache();
    void CaptureSelection();
    void DrawGrid();

    // Counting rules: the edit buffer by its last non-zero text, a store by its 999.0 marker.
    int CountEditBuffer() const;
    static int CountStore(const std::vector<double>& store);
    // Plot rows of every 32nd point of a store; the size is the number of filled columns.
    static std::vector<double> PlotRowsOfStore(const std::vector<double>& store);

    // ---- Document windows ----------------------------------------------------------------
    const std::vector<std::unique_ptr<DocumentWindow>>& windows() const { return windows_; }
    DocumentWindow* activeWindow() const { return active_; }
    DocumentWindow* findWindow(int id) const;
    DocumentWindow* findWindowByCaption(const QString& caption) const;
    // Loaded forms as the window limit counts them: the frame and each document window.
    int formsLoaded() const { return 1 + static_cast<int>(windows_.size()); }
    // The slot of a tag, or nullptr when the tag names none.
    DocumentSlot* slotOf(const QString& tag);
    DocumentSlot* activeSlot();

    // The frame's New: creates, titles and slots a document window and activates it.
    // Returns nullptr when the window limit refuses it.
    DocumentWindow* New();
    // The frame's Close: closes the active window, if any.
    void Close();
    void ActivateWindow(DocumentWindow* window);
    // Closes a window through its close box or the Close command.
    void CloseWindow(DocumentWindow* window);
    // The exit path: closes every window, asking to save the changed ones.
    void CloseAllForExit();
    void SetWindowState(DocumentWindow* window, WindowState state);
    void SetWindowCaption(DocumentWindow* window, const QString& caption);
    // Whether the active waveform differs from the slot's saved snapshot.
    bool ActiveDocumentChanged();

private:
    void Activate(DocumentWindow& window);
    void Deactivate(DocumentWindow& window);
    void QueryUnload(DocumentWindow& window);
    void Unload(DocumentWindow& window);
    void FreeSlotOf(DocumentWindow& window);
    void ClearEditStateAndSlot(DocumentWindow& window);
    void StoreEditBuffer(DocumentSlot& slot);
    void EnableForActivatedDocument();
    void ReleaseToolButtons();
    void notifyPlot();

    std::vector<std::unique_ptr<DocumentWindow>> windows_;
    std::vector<DocumentWindow*> activationOrder_;  // most recently active last
    DocumentWindow* active_ = nullptr;
    int nextWindowId_ = 1;
};

}  // namespace tlv
