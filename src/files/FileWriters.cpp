// The AFC, CSV and PRN writers.
#include <QFileInfo>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "platform/PlainFile.h"
#include "platform/SafeSave.h"
#include "model/EditTransaction.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

bool FileCommands::WriteFile(const QString& path, FileKind kind)
{
    DocumentWindow* window = ws_.activeWindow();
    DocumentSlot* slot = ws_.activeSlot();
    if (!window || !slot || kind == FileKind::Other)
        return false;
    const int count = PointsInEditBuffer(ws_.edit);
    // A device, a FIFO or a folder is refused before anyone is asked to overwrite it.
    if (QString refusal = ResolveWriteTarget(path).refusal; !refusal.isEmpty()) {
        cannot("Cannot save", path, refusal + ".");
        return false;
    }
    if (QFileInfo::exists(path) &&
        ws_.prompter->message("File name existence. Save overwrite.... ?", "TLV", Buttons::YesNo,
                              Icon::Information) != Answer::Yes) {
        ws_.file.SaveDeclined = true;
        return false;
    }

    // Values below -5 V are written as -5 V, and the edit buffer follows once the file is saved.
    std::vector<double> volts(static_cast<size_t>(count));
    std::vector<int> raised;
    for (int i = 0; i < count; ++i) {
        double v = ws_.edit.WaveText.value(i);
        if (v < -5.0) {
            v = -5.0;
            raised.push_back(i);
        }
        volts[static_cast<size_t>(i)] = v;
    }
    const std::string bytes = kind == FileKind::Afc ? AfcBytes(volts)
                              : TableBytes(volts, kind == FileKind::Csv ? ',' : '\t');
    if (QString reason = WriteFileSafely(path, bytes); !reason.isEmpty()) {
        cannot("Cannot save", path, reason + ".");
        return false;
    }

    if (!raised.empty()) {
        EditTransaction tx(ws_, EditTransaction::Closing::Redraw);
        for (int i : raised)
            tx.WritePointText(i, "-5", ws_.edit.PointDefined[static_cast<size_t>(i)]);
    }
    const QString name = QFileInfo(path).fileName();
    window->filePath = path;
    ws_.SetWindowCaption(window, name);
    slot->title = name.left(30);
    StoreVolts(*slot, volts.data(), count);
    slot->markSaved(count);
    if (!raised.empty())
        ws_.RebuildPlotCache();
    remember(path);
    return true;
}

}  // namespace tlv
