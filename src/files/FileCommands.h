#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "files/PrintPainter.h"
#include "files/TableFormat.h"
#include "model/Services.h"

namespace tlv {

class Commands;
class Workspace;
struct DocumentWindow;

enum class FileKind { Other, Afc, Csv, Prn };

// The kind a path names by its last three characters, upper-cased: how Open and Save As choose
// their reader or writer.
FileKind KindOfPath(const QString& path);
// Save's reading of a window caption: the kind named by the three characters after the first dot
// within its first eight characters. Other (a caption starting "Untitled", one without such a
// dot, or an unknown extension) sends Save to Save As.
FileKind KindOfCaption(const QString& caption);

// The curve the printed page draws (and an exported picture shows) for the active waveform.
PrintTrace PrintTraceOf(const Workspace& ws);

// The File menu's Open, Save, Save As, Import, Print and Export Image, and its recent files,
// with the readers and writers of the AFC, CSV and PRN files. Each document window keeps the path
// of its own file.
class FileCommands : public DocumentSaver, public FileOpener {
public:
    explicit FileCommands(Workspace& workspace) : ws_(workspace) {}

    // The close question's Yes.
    void SaveActiveDocument() override { Save(); }

    void OpenFile(const QString& path) override;
    void OpenRecentFile(int index) override;

    void Open();
    void Save();
    void SaveAs();
    void Import();
    void Print();
    void ExportImage();

    // Readers: each reads a file into a new document window.
    void ReadAfc(const QString& path);
    void ReadTable(const QString& path, TableSeparators separators, bool alwaysWait);
    // Writes the active waveform, after the overwrite question when the file exists. True when
    // the file was written; the document then counts as saved.
    bool WriteFile(const QString& path, FileKind kind);

private:
    // The open-file dialog, then the window limit: the path to read, or nothing.
    std::optional<QString> chooseFileToRead(const QString& title, const QString& filter);
    void LoadIntoNewWindow(const QString& path, const std::vector<double>& volts);
    void StashActiveWaveform();
    void RestoreStash();
    void cannot(const QString& what, const QString& path, const QString& reason);
    // The window limit, checked as Open checks it once the path is known.
    bool roomForWindow(const QString& path);
    // The reader the path's extension names; a file that came to a window joins the recent files.
    void readByKind(const QString& path);
    // Puts a file just opened or saved first in the recent files list.
    void remember(const QString& path);
    void report(const QString& recentFilesError);

    Workspace& ws_;
    // The active waveform (volts, 999.0 after its last point) kept aside while a reader creates
    // the window for its file, and the tag of the window it belongs to.
    std::vector<double> DocStash;
    QString stashTag_;
};

// The handlers of mnuOpen, mnuSave, mnuSaveAs, mnuImport, mnuPrint and mnuExportImage; the close
// question's Yes runs the same Save, and the workspace's opener is the same Open.
void RegisterFileCommands(Workspace& workspace, Commands& commands);

}  // namespace tlv
