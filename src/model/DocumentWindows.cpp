// Document windows: creation, activation, the close with its save question, and unloading.
#include <QFileInfo>
#include <algorithm>

#include "model/Prompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
const char* const kWaveformItems[] = {"mnuFreehand", "mnuLine", "mnuSine", "mnuTriangle",
                                      "mnuSquare", "mnuExpfall", "mnuExprise", "mnuDc",
                                      "mnuNoise", "mnuDamped", "mnuRamp"};
}

DocumentWindow* Workspace::findWindow(int id) const
{
    for (const auto& window : windows_)
        if (window->id == id)
            return window.get();
    return nullptr;
}

DocumentWindow* Workspace::findWindowByCaption(const QString& caption) const
{
    for (const auto& window : windows_)
        if (window->caption.trimmed() == caption.trimmed())
            return window.get();
    return nullptr;
}

DocumentWindow* Workspace::New()
{
    ToolMode = 0;
    NewPending = true;
    LineAnchorColumn = 0;
    std::fill(SelVolts.begin(), SelVolts.end(), 0.0);
    std::fill(WorkVolts.begin(), WorkVolts.end(), 0.0);
    SelPreview.fill(0.0);
    WorkPreview.fill(0.0);

    if (formsLoaded() >= 6) {
        prompter->message("Too many open Windows.  Close some and try again", "TLV", Buttons::Ok,
                          Icon::None);
        LoadingFile = false;
        NewPending = false;
        return nullptr;
    }
    if (active_ && active_->state == WindowState::Maximized)
        SetWindowState(active_, WindowState::Normal);

    auto owned = std::make_unique<DocumentWindow>();
    DocumentWindow& window = *owned;
    window.id = nextWindowId_++;
    // Initialize and Load of the new window.
    PlotY.fill(0.0);
    ClipboardFull = false;
    SelStartX = SelEndX = 0;
    SegKind = 0;
    LineChained = 0;
    LineAnchorColumn = 0;

    ++UntitledCount;
    window.caption = QStringLiteral("Untitled Waveform Data ") + QString::number(UntitledCount);
    int slotNumber = UntitledCount;
    if (UntitledCount > 5) {
        FreeSlot = 0;
        for (int n = 1; n <= 5 && FreeSlot == 0; ++n)
            if (!DocSlots[static_cast<size_t>(n - 1)].used)
                FreeSlot = static_cast<int16_t>(n);
        slotNumber = FreeSlot;
    }
    window.tag = QString::number(slotNumber);
    if (DocumentSlot* slot = slotOf(window.tag)) {
        slot->used = true;
        slot->title = (LoadingFile ? QFileInfo(FileName).fileName() : window.caption).left(30);
        slot->clear();
    }
    window.picEnabled = true;
    windows_.push_back(std::move(owned));
    if (views)
        views->windowCreated(window);
    ActivateWindow(&window);

    commands.setToolbarEnabled(2, true);
    commands.disableButtons(1, {9, 10, 11, 3, 7, 13, 15});
    commands.setButtonPressed(2, 1, true);
    commands.enable({"mnuClose"});
    commands.disable({"mnuSave", "mnuSaveAs", "mnuUndo", "mnuPrint", "mnuCut", "mnuCopy",
                      "mnuPaste", "mnuSend", "mnuClear", "mnuClearall", "mnuAdd", "mnuSubtract",
                      "mnuMultiply", "mnuAbsolute", "mnuMirror", "mnuInvert", "mnuExpand"});
    for (const char* item : kWaveformItems)
        commands.setEnabled(item, true);
    return &window;
}

void Workspace::ActivateWindow(DocumentWindow* window)
{
    if (!window || window == active_)
        return;
    if (active_)
        Deactivate(*active_);
    active_ = window;
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), window),
                           activationOrder_.end());
    activationOrder_.push_back(window);
    if (views)
        views->windowActivated(*window);
    Activate(*window);
}

void Workspace::ReleaseToolButtons()
{
    for (int i = 1; i <= 14; ++i)
        commands.setButtonPressed(2, i, false);
    commands.setButtonPressed(2, 1, true);
}

void Workspace::Activate(DocumentWindow& window)
{
    ToolMode = 0;
    if (DrawSuspended)
        return;
    for (int i = 0; i < kMaxPoints; ++i) {
        WaveText.clear(i);
        PointDefined[static_cast<size_t>(i)] = false;
    }
    std::fill(UndoVolts.begin(), UndoVolts.end(), 0.0);
    PlotY.fill(0.0);
    ReleaseToolButtons();

    PointCount = 0;
    if (DocumentSlot* slot = slotOf(window.tag)) {
        int count = CountStore(slot->store);
        for (int i = 0; i < count && i < kMaxPoints; ++i) {
            WaveText.set(i, GeneralNumberText(slot->store[static_cast<size_t>(i)]));
            PointDefined[static_cast<size_t>(i)] = true;
        }
        if (count < kMaxPoints)
            WaveText.setEndMarker(count);
        PointCount = count;
    }
    DrawGrid();
    RebuildPlotCache();
    EnableForActivatedDocument();
    ActiveTag = static_cast<int16_t>(window.slot());
}

void Workspace::EnableForActivatedDocument()
{
    if (PointCount != 0) {
        commands.enableButtons(1, {3, 13, 15});
        commands.disableButtons(1, {7, 9, 10, 11});
        commands.enable({"mnuClearall", "mnuEditselect", "mnuSelectall", "mnuExpand", "mnuSave",
                         "mnuSaveAs", "mnuSend", "mnuPrint"});
        commands.disable({"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste"});
    } else {
        commands.disableButtons(1, {3, 7, 9, 10, 11, 13, 15});
        commands.disable({"mnuClearall", "mnuEditselect", "mnuSelectall", "mnuExpand", "mnuUndo",
                          "mnuCut", "mnuCopy", "mnuPaste", "mnuSend", "mnuSave", "mnuSaveAs",
                          "mnuAdd", "mnuSubtract", "mnuMultiply", "mnuAbsolute", "mnuMirror",
                          "mnuInvert"});
    }
}

void Workspace::Deactivate(DocumentWindow&)
{
    if (DrawSuspended)
        return;
    ReleaseToolButtons();
    for (int i = 0; i <= PointCount + 1 && i < kMaxPoints; ++i) {
        WaveText.clear(i);
        PointDefined[static_cast<size_t>(i)] = false;
    }
    PointCount = 0;
    NewPending = false;
    LoadingFile = false;
}

bool Workspace::ActiveDocumentChanged()
{
    DocumentSlot* slot = activeSlot();
    if (!slot)
        return false;
    int count = static_cast<int>(PointCount);
    if (count != slot->savedCount)
        return true;
    for (int i = 0; i < count && i < kMaxPoints; ++i)
        if (WaveText.value(i) != slot->saved[static_cast<size_t>(i)])
            return true;
    return false;
}

void Workspace::FreeSlotOf(DocumentWindow& window)
{
    if (DocumentSlot* slot = slotOf(window.tag)) {
        slot->used = false;
        slot->title.clear();
    }
}

void Workspace::ClearEditStateAndSlot(DocumentWindow& window)
{
    if (DocumentSlot* slot = slotOf(window.tag))
        slot->clear();
    for (int i = 0; i < kMaxPoints; ++i) {
        WaveText.clear(i);
        PointDefined[static_cast<size_t>(i)] = false;
    }
}

void Workspace::Close()
{
    if (active_)
        CloseWindow(active_);
    if (windows_.empty()) {
        commands.setToolbarEnabled(2, false);
        for (const char* item : kWaveformItems)
            commands.setEnabled(item, false);
    }
}

void Workspace::CloseWindow(DocumentWindow* window)
{
    if (!window)
        return;
    // A click on the close box of an inactive window makes it active first.
    ActivateWindow(window);
    QueryUnload(*window);
}

void Workspace::QueryUnload(DocumentWindow& window)
{
    ++window.closeStage;
    if (DocumentSlot* slot = slotOf(QString::number(ActiveTag)))
        StoreEditBuffer(*slot);
    DocChanged = ActiveDocumentChanged();
    if (DocChanged) {
        Answer answer = prompter->message("Save changes to " + window.caption.trimmed() + "?",
                                          "TLV", Buttons::YesNo, Icon::Information);
        MsgAnswer = answer == Answer::Yes ? "6" : "7";
        if (answer == Answer::Yes && saveCommand)
            saveCommand();
    }
    // The slot is freed by the window's own tag, never by its title: two windows may carry
    // the same title, and a long file name does not fit the 30-character title.
    FreeSlotOf(window);
    ClearEditStateAndSlot(window);
    Unload(window);
    if (windows_.empty())
        commands.setToolbarEnabled(2, false);
    DocChanged = false;
}

void Workspace::Unload(DocumentWindow& window)
{
    if (formsLoaded() == 2) {
        commands.setToolbarEnabled(2, false);
        commands.disableButtons(1, {9, 10, 11, 3, 7, 13, 15});
        commands.setButtonPressed(2, 1, false);
        commands.disable({"mnuSave", "mnuSaveAs", "mnuUndo", "mnuPrint", "mnuCut", "mnuCopy",
                          "mnuPaste", "mnuSend", "mnuClose", "mnuClearall", "mnuClear",
                          "mnuSelectall", "mnuEditselect", "mnuFreehand", "mnuLine", "mnuSine",
                          "mnuTriangle", "mnuSquare", "mnuExpfall", "mnuExprise", "mnuDc",
                          "mnuNoise", "mnuDamped", "mnuRamp", "mnuAdd", "mnuSubtract",
                          "mnuMultiply", "mnuAbsolute", "mnuInvert", "mnuMirror", "mnuExpand"});
    }
    LoadingFile = false;
    window.closeStage = 0;
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), &window),
                           activationOrder_.end());
    bool wasActive = active_ == &window;
    if (wasActive) {
        active_ = nullptr;
        PointCount = 0;
    }
    if (views)
        views->windowClosed(window);
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [&](const auto& owned) { return owned.get() == &window; });
    std::unique_ptr<DocumentWindow> closing = std::move(*it);
    windows_.erase(it);
    if (wasActive && !activationOrder_.empty())
        ActivateWindow(activationOrder_.back());
    else if (windows_.empty())
        RebuildPlotCache();
}

void Workspace::CloseAllForExit()
{
    Exiting = true;
    while (!windows_.empty()) {
        DocumentWindow* window = active_ ? active_ : windows_.front().get();
        ActivateWindow(window);
        if (ActiveDocumentChanged()) {
            Answer answer = prompter->message("Save changes to " + window->caption.trimmed() + "?",
                                              "Tolvenar", Buttons::YesNo, Icon::Information);
            MsgAnswer = answer == Answer::Yes ? "6" : "7";
            if (answer == Answer::Yes && saveCommand)
                saveCommand();
        }
        FreeSlotOf(*window);
        Unload(*window);
    }
}

void Workspace::SetWindowState(DocumentWindow* window, WindowState state)
{
    if (!window || window->state == state)
        return;
    window->state = state;
    if (views)
        views->windowChanged(*window);
    if (!DrawSuspended)
        notifyPlot();
}

}  // namespace tlv

namespace tlv {

void Workspace::SetWindowCaption(DocumentWindow* window, const QString& caption)
{
    if (!window)
        return;
    window->caption = caption;
    if (views)
        views->windowChanged(*window);
}

}  // namespace tlv
