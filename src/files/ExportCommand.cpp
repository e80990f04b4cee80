// Export Image: the printed page of the active waveform as a PNG picture or an SVG drawing.
#include <QDir>
#include <QFileInfo>

#include "files/FileCommands.h"
#include "files/ImageExport.h"
#include "platform/PlainFile.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
const QString kImageFilter =
    QStringLiteral("PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg");

// The waveform's own file name with .png, beside it; an untitled waveform's caption.
QString SuggestedImageName(const DocumentWindow& window)
{
    if (window.filePath.isEmpty())
        return window.caption.trimmed() + ".png";
    const QFileInfo file(window.filePath);
    return file.dir().filePath(file.completeBaseName() + ".png");
}
}  // namespace

void FileCommands::ExportImage()
{
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    std::optional<QString> path =
        ws_.prompter->saveFile("Export Image", kImageFilter, SuggestedImageName(*window));
    if (!path)
        return;
    // A device, a FIFO or a folder is refused before anyone is asked to overwrite it.
    if (QString refusal = ResolveWriteTarget(*path).refusal; !refusal.isEmpty()) {
        cannot("Cannot export", *path, refusal + ".");
        return;
    }
    if (QFileInfo::exists(*path) &&
        ws_.prompter->message("File name existence. Save overwrite.... ?", "TLV", Buttons::YesNo,
                              Icon::Information) != Answer::Yes)
        return;
    if (QString reason = ExportPrintImage(*path, PrintTraceOf(ws_), window->caption); !reason.isEmpty())
        cannot("Cannot export", *path, reason + ".");
}

}  // namespace tlv
