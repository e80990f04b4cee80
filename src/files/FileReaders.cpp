// The readers of AFC, CSV and PRN files and the window-creation steps they share.
#include <QFile>
#include <QFileInfo>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "platform/PlainFile.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
// Text files longer than this show the wait window while they are read.
constexpr qint64 kWaitThresholdBytes = 140000;
constexpr qint64 kTextChunkBytes = 64 * 1024;

// Shows the wait window for as long as it lives, so that every way out of a reader closes it.
class WaitShown {
public:
    WaitShown(Prompter& prompter, bool shown) : prompter_(shown ? &prompter : nullptr)
    {
        if (prompter_)
            prompter_->showWait();
    }
    ~WaitShown() { close(); }
    WaitShown(const WaitShown&) = delete;
    WaitShown& operator=(const WaitShown&) = delete;
    void pump()
    {
        if (prompter_)
            prompter_->pumpWait();
    }
    void close()
    {
        if (prompter_)
            prompter_->closeWait();
        prompter_ = nullptr;
    }

private:
    Prompter* prompter_;
};
}  // namespace

void FileCommands::ReadAfc(const QString& path)
{
    QFile file(path);
    if (QString reason = OpenPlainFile(file); !reason.isEmpty())
        return cannot("Cannot open", path, reason + ".");
    const QByteArray bytes = file.read(kAfcReadLimit);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return cannot("Cannot open", path, file.errorString() + ".");
    const AfcContent content = ParseAfc({bytes.constData(), static_cast<size_t>(bytes.size())});
    if (content.badRecord != 0)
        return cannot("Cannot open", path,
                      "record " + QString::number(content.badRecord) + " is not a finite number.");
    LoadIntoNewWindow(path, content.volts);
}

void FileCommands::ReadTable(const QString& path, TableSeparators separators, bool alwaysWait)
{
    QFile file(path);
    if (QString reason = OpenPlainFile(file); !reason.isEmpty())
        return cannot("Cannot open", path, reason + ".");
    WaitShown wait(*ws_.prompter, alwaysWait || file.size() > kWaitThresholdBytes);
    TableScanner scanner(separators);
    QByteArray chunk(kTextChunkBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return cannot("Cannot open", path, file.errorString() + ".");
        if (got == 0) {
            scanner.finish();
            break;
        }
        if (!scanner.feed({chunk.constData(), static_cast<size_t>(got)}))
            break;
        wait.pump();
    }
    if (scanner.values().empty()) {
        // An empty window would pass for a file read; the user has to know nothing was.
        wait.close();
        ws_.prompter->message("No values could be read from " + QFileInfo(path).fileName() + ".",
                              "TLV", Buttons::Ok, Icon::Exclamation);
        return;
    }
    LoadIntoNewWindow(path, scanner.values());
    if (scanner.cutShort()) {
        wait.close();
        cannot("Stopped reading", path,
               "a table is read no further than its first " +
                   QString::number(kTableTextLimit >> 20) +
                   " MiB; the values found up to there are kept.");
    }
}

void FileCommands::StashActiveWaveform()
{
    DocStash.clear();
    stashTag_.clear();
    DocumentWindow* active = ws_.activeWindow();
    if (!active)
        return;
    const int count = static_cast<int>(ws_.edit.PointCount);
    DocStash.reserve(static_cast<size_t>(count) + 1);
    for (int i = 0; i < count; ++i)
        DocStash.push_back(ws_.edit.WaveText.value(i));
    DocStash.push_back(kEndMarker);
    stashTag_ = active->tag;
}

void FileCommands::RestoreStash()
{
    DocumentSlot* slot = ws_.slotOf(stashTag_);
    if (!slot)
        return;
    StoreVolts(*slot, DocStash.data(), static_cast<int>(DocStash.size()) - 1);
    DocStash.clear();
    stashTag_.clear();
}

void FileCommands::LoadIntoNewWindow(const QString& path, const std::vector<double>& volts)
{
    if (ws_.windows().empty())
        for (DocumentSlot& slot : ws_.docs.DocSlots) {
            slot.title.clear();
            slot.used = false;
        }
    StashActiveWaveform();
    ws_.docs.LoadingFile = true;
    ws_.file.FileName = path;
    DocumentWindow* window = ws_.New();
    // The flag has named the new slot; a later New must not take the file's name too.
    ws_.docs.LoadingFile = false;
    if (!window)
        return;
    const QString name = QFileInfo(path).fileName();
    ws_.SetWindowCaption(window, name);
    window->filePath = path;
    ws_.DrawGrid();

    {
        EditTransaction tx(ws_, EditTransaction::Closing::CommitAndReplot);
        tx.WritePoints(0, volts);
    }
    if (DocumentSlot* slot = ws_.activeSlot())
        slot->markSaved(static_cast<int>(ws_.edit.PointCount));
    RestoreStash();
    ws_.commands.enable({Cmd::Expand});
    ws_.file.FileName = " ";
}

}  // namespace tlv
