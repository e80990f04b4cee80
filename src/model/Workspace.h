#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/CommandState.h"
#include "model/DocumentWindow.h"
#include "model/Services.h"
#include "model/WorkspaceParts.h"

namespace tlv {

class DialogForm;
class Prompter;

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
    DocumentSaver* saver = nullptr;
    FileOpener* opener = nullptr;
    PlotInputHandler* mouseTools = nullptr;
    LinkCloser* linkCloser = nullptr;

    // ---- Status bar ----------------------------------------------------------------------
    std::array<QString, 5> StatusPanel;  // StatusPanel[0] is panel 1
    void SetStatusPanel(int panel, const QString& text);
    // What the last download delivered, shown beside the panels; empty after a download that
    // did not deliver the whole waveform.
    QString DownloadReport;
    void SetDownloadReport(const QString& text);

    // ---- The parts ------------------------------------------------------------------------
    EditState edit;
    DocumentSlots docs;
    WorkBuffers work;
    ToolState tools;
    SegmentParameters seg;
    FileState file;
    LinkState link;
    std::array<QString, 5> OsVersionText;

    // ---- The edit path on the whole workspace (model/EditTransaction.cpp, EditPath.cpp) -----
    // Recounts the edit buffer, sets the enabling that follows from the count and stores the
    // buffer into the active slot.
    void CommitEditBuffer();
    // The plot cache from the active slot's store.
    void RebuildPlotCache();
    // Takes the points under the selected columns into SelVolts.
    void CaptureSelection();
    void DrawGrid();
    // Paints the plots again from the state, after a change that keeps what they show.
    void RepaintPlot();

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
    // The exit path: closes every window, asking to save the changed ones. Stops, leaving the
    // rest open, at a window whose question was cancelled or whose Yes did not end in a save;
    // false then.
    bool CloseAllForExit();
    void SetWindowState(DocumentWindow* window, WindowState state);
    void SetWindowCaption(DocumentWindow* window, const QString& caption);
    // Whether the active waveform differs from the slot's saved snapshot.
    bool ActiveDocumentChanged();
    // The same for any window: the active one by its edit buffer, the others by their slots.
    bool DocumentChanged(const DocumentWindow& window);

private:
    void Activate(DocumentWindow& window);
    void Deactivate(DocumentWindow& window);
    // False when the window stays open.
    bool QueryUnload(DocumentWindow& window);
    // The close question for a changed document; Yes runs the frame's Save. False when the
    // answer was Cancel, or Yes and the document is still not saved: the window must stay open.
    bool AskToSave(DocumentWindow& window, const QString& title);
    void Unload(DocumentWindow& window);
    void FreeSlotOf(DocumentWindow& window);
    void ClearEditStateAndSlot(DocumentWindow& window);
    void EnableForActivatedDocument();
    void ReleaseToolButtons();
    void notifyPlot();

    std::vector<std::unique_ptr<DocumentWindow>> windows_;
    std::vector<DocumentWindow*> activationOrder_;  // most recently active last
    DocumentWindow* active_ = nullptr;
    int nextWindowId_ = 1;
};

}  // namespace tlv
