#include "files/FileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "commands/Commands.h"
#include "files/ImportWaveformForm.h"
#include "model/Prompter.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
const QString kOpenFilter =
    QStringLiteral("AFC File (*.afc)|*.afc|Time, Volts(*.csv)|*.csv|Time, Volts(*.prn)|*.prn");
const QString kImportFilter = QStringLiteral(
    "Time, Volts(*.csv)|*.csv|Time, Volts(*.prn)|*.prn|All File (*.*)|*.*");

FileKind KindOfExtension(const QString& extension)
{
    const QString upper = extension.toUpper();
    if (upper == "AFC")
        return FileKind::Afc;
    if (upper == "CSV")
        return FileKind::Csv;
    if (upper == "PRN")
        return FileKind::Prn;
    return FileKind::Other;
}
}  // namespace

FileKind KindOfPath(const QString& path)
{
    return KindOfExtension(path.right(3));
}

FileKind KindOfCaption(const QString& caption)
{
    if (caption.left(8) == "Untitled")
        return FileKind::Other;
    // The extension after the last dot, however long the name before it.
    const int dot = caption.lastIndexOf('.');
    if (dot < 0)
        return FileKind::Other;
    return KindOfExtension(caption.mid(dot + 1));
}

void FileCommands::cannot(const QString& what, const QString& path, const QString& reason)
{
    ws_.prompter->message(what + " " + QDir::toNativeSeparators(path) + ": " + reason, "TLV",
                          Buttons::Ok, Icon::Exclamation);
}

std::optional<QString> FileCommands::chooseFileToRead(const QString& title, const QString& filter)
{
    ws_.file.FileName.clear();
    std::optional<QString> path = ws_.prompter->openFile(title, filter);
    if (!path || !roomForWindow(*path))
        return std::nullopt;
    return path;
}

bool FileCommands::roomForWindow(const QString& path)
{
    ws_.file.FileName = path;
    if (ws_.formsLoaded() >= 6) {
        ws_.prompter->message("Too many open Windows.  Close some and try again", "TLV", Buttons::Ok,
                              Icon::None);
        return false;
    }
    return true;
}

void FileCommands::Open()
{
    if (std::optional<QString> path = chooseFileToRead("Open File", kOpenFilter))
        readByKind(*path);
}

void FileCommands::OpenFile(const QString& path)
{
    if (roomForWindow(path))
        readByKind(path);
}

void FileCommands::OpenRecentFile(int index)
{
    const QStringList& recent = ws_.file.Recent.paths();
    if (index < 0 || index >= recent.size())
        return;
    const QString path = recent[index];
    if (!QFileInfo::exists(path)) {
        cannot("Cannot open", path, "the file no longer exists; it is taken off the list of recent files.");
        report(ws_.file.Recent.remove(path));
        return;
    }
    OpenFile(path);
}

void FileCommands::readByKind(const QString& path)
{
    const size_t windowsBefore = ws_.windows().size();
    switch (KindOfPath(path)) {
    case FileKind::Afc: ReadAfc(path); break;
    case FileKind::Csv: ReadTable(path, TableSeparators::Comma, false); break;
    case FileKind::Prn: ReadTable(path, TableSeparators::Tab, false); break;
    case FileKind::Other: cannot("Cannot open", path, "Tolvenar opens .afc, .csv and .prn files."); break;
    }
    // A reader that refused the file made no window.
    if (ws_.windows().size() > windowsBefore)
        remember(path);
}

void FileCommands::remember(const QString& path)
{
    report(ws_.file.Recent.add(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
}

void FileCommands::report(const QString& recentFilesError)
{
    // The list is a convenience: like com.ini, a failure to keep it never stops the work.
    if (!recentFilesError.isEmpty())
        std::fprintf(stderr, "tolvenar: cannot write %s: %s\n", qPrintable(RecentFilesPath()),
                     qPrintable(recentFilesError));
}

void FileCommands::Import()
{
    if (std::optional<QString> path = chooseFileToRead("Open File Import", kImportFilter))
        ReadTable(*path, TableSeparators::Both, true);
}

void FileCommands::Save()
{
    ws_.file.SaveDeclined = false;
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    // The caption decides whether Save may write at all; the file's own name decides the format,
    // so that the file always reads back the way Open will take it.
    const FileKind kind = KindOfPath(window->filePath);
    if (KindOfCaption(window->caption) == FileKind::Other || kind == FileKind::Other) {
        SaveAs();
        return;
    }
    ws_.file.FileName = window->filePath;
    WriteFile(window->filePath, kind);
}

void FileCommands::SaveAs()
{
    ws_.file.SaveDeclined = false;
    DocumentWindow* window = ws_.activeWindow();
    if (!window)
        return;
    std::optional<QString> path = ws_.prompter->saveFile("File Save As", kOpenFilter, window->filePath);
    if (!path)
        return;
    ws_.file.FileName = *path;
    const FileKind kind = KindOfPath(*path);
    if (kind == FileKind::Other) {
        cannot("Cannot save", *path, "Tolvenar saves .afc, .csv and .prn files.");
        return;
    }
    WriteFile(*path, kind);
}

void RegisterFileCommands(Workspace& ws, Commands& commands)
{
    auto files = std::make_shared<FileCommands>(ws);
    commands.add(Cmd::Open, [files] { files->Open(); });
    commands.add(Cmd::Save, [files] { files->Save(); });
    commands.add(Cmd::SaveAs, [files] { files->SaveAs(); });
    commands.add(Cmd::Import, [files] { files->Import(); });
    commands.add(Cmd::ImportWaveform, [&ws] { ImportWaveform(ws); });
    commands.add(Cmd::Print, [files] { files->Print(); });
    commands.add(Cmd::ExportImage, [files] { files->ExportImage(); });
    ws.saver = files.get();
    ws.opener = files.get();
}

}  // namespace tlv
