// The AFC, CSV and PRN writers.
#include <QFileInfo>
#include <QSaveFile>

#include "files/AfcFormat.h"
#include "files/FileCommands.h"
#include "model/EditPath.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
// The whole new file goes to a temporary file beside the old one, which replaces the old file
// only once it is complete: a failed save never destroys what was there.
QString WriteWhole(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return file.errorString();
    return {};
}
}  // namespace

bool FileCommands::WriteFile(const QString& path, FileKind kind)
{
    DocumentWindow* window = ws_.activeWindow();
    DocumentSlot* slot = ws_.activeSlot();
    if (!window || !slot || kind == FileKind::Other)
        return false;
    const int count = PointsInEditBuffer(ws_.edit);
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
    if (QString reason = WriteWhole(path, bytes); !reason.isEmpty()) {
        cannot("Cannot save", path, reason + ".");
        return false;
    }

    for (int i : raised)
        WritePointText(ws_.edit, i, "-5", ws_.edit.PointDefined[static_cast<size_t>(i)]);
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
