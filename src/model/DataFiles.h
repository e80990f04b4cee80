#pragma once

#include <QString>

namespace tlv {

// The folder where the installed program's data files (help, animations) lie, found from the
// program's own folder: <prefix>/share/tolvenar beside <prefix>/bin.
QString InstalledDataFolder(const QString& programFolder);

// Where the program reads a data file: its own folder first, as it always has, then the installed
// data folder. A file in neither is named in the program's folder, so that a message about it
// points where the file was first looked for.
QString DataFilePath(const QString& programFolder, const QString& name);

}  // namespace tlv
