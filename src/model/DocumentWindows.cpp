// Document windows: creation, activation, the close with its save question, and unloading.
#include <QFileInfo>
#include <algorithm>

#include "model/CommandSets.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"

namespace tlv {

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
    edit.ToolMode = 0;
    work.LineAnchorColumn = 0;
    std::fill(edit.SelVolts.begin(), edit.SelVolts.end(), 0.0);
    std::fill(work.WorkVolts.begin(), work.WorkVolts.end(), 0.0);
    edit.SelPreview.fill(0.0);
    work.WorkPreview.fill(0.0);

    if (formsLoaded() >= 6) {
        prompter->message("Too many open Windows.  Close some and try again", "TLV", Buttons::Ok,
                          Icon::None);
        docs.LoadingFile = false;
        return nullptr;
    }
    if (active_ && active_->state == WindowState::Maximized)
        SetWindowState(active_, WindowState::Normal);

    auto owned = std::make_unique<DocumentWindow>();
    DocumentWindow& window = *owned;
    window.id = nextWindowId_++;
    // Initialize and Load of the new window.
    EditTransaction(*this, EditTransaction::Closing::Redraw).plot().rows.fill(0.0);
    work.ClipboardFull = false;
    edit.SelStartX = edit.SelEndX = 0;
    seg.SegKind = 0;
    work.LineChained = 0;
    work.LineAnchorColumn = 0;

    ++docs.UntitledCount;
    window.caption = QStringLiteral("Untitled Waveform Data ") + QString::number(docs.UntitledCount);
    int slotNumber = docs.UntitledCount;
    if (docs.UntitledCount > 5) {
        docs.FreeSlot = 0;
        for (int n = 1; n <= 5 && docs.FreeSlot == 0; ++n)
            if (!docs.DocSlots[static_cast<size_t>(n - 1)].used)
                docs.FreeSlot = static_cast<int16_t>(n);
        slotNumber = docs.FreeSlot;
    }
    window.tag = QString::number(slotNumber);
    if (DocumentSlot* slot = slotOf(window.tag)) {
        slot->used = true;
        slot->title = (docs.LoadingFile ? QFileInfo(file.FileName).fileName() : window.caption).left(30);
        slot->clear();
    }
    window.picEnabled = true;
    windows_.push_back(std::move(owned));
    if (views)
        views->windowCreated(window);
    ActivateWindow(&window);

    commands.setToolbarEnabled(2, true);
    commands.disableButtons(1, Sets::DocumentButtons);
    commands.setButtonPressed(2, Tb2::Marker, true);
    commands.enable({Cmd::Close});
    commands.disable(Sets::DocumentFileItems);
    commands.disable(Sets::ClipboardItems);
    commands.disable(Sets::MathItems);
    commands.disable({Cmd::Undo, Cmd::Clear, Cmd::ClearAll, Cmd::Expand});
    commands.enable(Sets::WaveformItems);
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
    commands.setButtonPressed(2, Tb2::Marker, true);
}

void Workspace::Activate(DocumentWindow& window)
{
    edit.ToolMode = 0;
    if (edit.DrawSuspended)
        return;
    EditTransaction tx(*this, EditTransaction::Closing::Replot);
    tx.ClearEditBuffer();
    DiscardUndo(edit);
    tx.plot().rows.fill(0.0);
    ReleaseToolButtons();

    tx.SetPointCount(0);
    if (DocumentSlot* slot = slotOf(window.tag)) {
        int count = CountStore(slot->store);
        for (int i = 0; i < count && i < kMaxPoints; ++i)
            tx.WritePointText(i, GeneralNumberText(slot->store[static_cast<size_t>(i)]));
        tx.PlaceEndMarker(count);
        tx.SetPointCount(count);
    }
    tx.finish();
    EnableForActivatedDocument();
    edit.ActiveTag = static_cast<int16_t>(window.slot());
}

void Workspace::EnableForActivatedDocument()
{
    if (edit.PointCount != 0) {
        commands.enableButtons(1, {Tb1::Save, Tb1::Send, Tb1::Print});
        commands.disableButtons(1, {Tb1::Undo, Tb1::Cut, Tb1::Copy, Tb1::Paste});
        commands.enable(Sets::PointItems);
        commands.enable(Sets::DocumentFileItems);
        commands.disable(Sets::ClipboardItems);
        commands.disable({Cmd::Undo});
    } else {
        commands.disableButtons(1, Sets::DocumentButtons);
        commands.disable(Sets::PointItems);
        commands.disable(Sets::ClipboardItems);
        commands.disable(Sets::MathItems);
        commands.disable({Cmd::Undo, Cmd::Send, Cmd::Save, Cmd::SaveAs});
    }
}

void Workspace::Deactivate(DocumentWindow&)
{
    if (edit.DrawSuspended)
        return;
    ReleaseToolButtons();
    EditTransaction tx(*this, EditTransaction::Closing::Redraw);
    tx.ClearEditBuffer(static_cast<int>(edit.PointCount) + 1);
    tx.SetPointCount(0);
    docs.LoadingFile = false;
}

bool Workspace::ActiveDocumentChanged()
{
    DocumentSlot* slot = activeSlot();
    if (!slot)
        return false;
    int count = static_cast<int>(edit.PointCount);
    if (count != slot->savedCount)
        return true;
    for (int i = 0; i < count && i < kMaxPoints; ++i)
        if (edit.WaveText.value(i) != slot->saved[static_cast<size_t>(i)])
            return true;
    return false;
}

bool Workspace::DocumentChanged(const DocumentWindow& window)
{
    if (&window == active_)
        return ActiveDocumentChanged();
    DocumentSlot* slot = slotOf(window.tag);
    if (!slot)
        return false;
    const int count = CountStore(slot->store);
    return count != slot->savedCount ||
           !std::equal(slot->saved.begin(), slot->saved.begin() + std::min(count, kMaxPoints),
                       slot->store.begin());
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
    EditTransaction(*this, EditTransaction::Closing::Redraw).ClearEditBuffer();
}

void Workspace::Close()
{
    if (active_)
        CloseWindow(active_);
    if (windows_.empty()) {
        commands.setToolbarEnabled(2, false);
        commands.disable(Sets::WaveformItems);
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

bool Workspace::QueryUnload(DocumentWindow& window)
{
    ++window.closeStage;
    if (DocumentSlot* slot = slotOf(QString::number(edit.ActiveTag)))
        StoreEditBuffer(edit, *slot);
    if (!AskToSave(window, "TLV")) {
        window.closeStage = 0;
        return false;
    }
    // The slot is freed by the window's own tag, never by its title: two windows may carry
    // the same title, and a long file name does not fit the 30-character title.
    FreeSlotOf(window);
    ClearEditStateAndSlot(window);
    Unload(window);
    if (windows_.empty())
        commands.setToolbarEnabled(2, false);
    return true;
}

bool Workspace::AskToSave(DocumentWindow& window, const QString& title)
{
    if (!ActiveDocumentChanged())
        return true;
    const Answer answer = prompter->message("Save changes to " + window.caption.trimmed() + "?",
                                            title, Buttons::YesNoCancel, Icon::Information);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        return true;
    if (saver)
        saver->SaveActiveDocument();
    // Yes asks to keep the waveform: when the save did not happen (its dialog cancelled, the
    // overwrite declined, a write error), the window stays open with its changes.
    return !ActiveDocumentChanged();
}

void Workspace::Unload(DocumentWindow& window)
{
    if (formsLoaded() == 2) {
        commands.setToolbarEnabled(2, false);
        commands.disableButtons(1, Sets::DocumentButtons);
        commands.setButtonPressed(2, Tb2::Marker, false);
        commands.disable(Sets::NoDocumentItems);
        commands.disable(Sets::WaveformItems);
        commands.disable(Sets::PointItems);
        commands.disable(Sets::MathItems);
        commands.disable({Cmd::Clear});
    }
    docs.LoadingFile = false;
    window.closeStage = 0;
    activationOrder_.erase(std::remove(activationOrder_.begin(), activationOrder_.end(), &window),
                           activationOrder_.end());
    bool wasActive = active_ == &window;
    if (wasActive) {
        active_ = nullptr;
        EditTransaction(*this, EditTransaction::Closing::Redraw).SetPointCount(0);
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

bool Workspace::CloseAllForExit()
{
    edit.Exiting = true;
    while (!windows_.empty()) {
        DocumentWindow* window = active_ ? active_ : windows_.front().get();
        ActivateWindow(window);
        if (!AskToSave(*window, "Tolvenar")) {
            edit.Exiting = false;
            return false;
        }
        FreeSlotOf(*window);
        Unload(*window);
    }
    return true;
}

void Workspace::SetWindowState(DocumentWindow* window, WindowState state)
{
    if (!window || window->state == state)
        return;
    window->state = state;
    if (views)
        views->windowChanged(*window);
    if (!edit.DrawSuspended)
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
