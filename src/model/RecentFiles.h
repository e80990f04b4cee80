#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tlv {

// Where the recent files list is kept: "recent-files" in the user's configuration folder (never
// beside com.ini in the program's folder, and never inside com.ini).
QString RecentFilesPath();

// The last four waveform files opened or saved, most recent first, one path a line in a file of
// their own, so that the list outlives the run. Until load() has named that file the list lives
// in memory only: a workspace in a test writes nothing.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 4;

    // Reads the list kept at path, where every later change is written. A missing file is an
    // empty list; returns the reason when the file exists but cannot be read.
    QString load(const QString& path);
    const QStringList& paths() const { return paths_; }

    // Puts the file first, once; the oldest beyond four drops off. Both return the reason when
    // the list could not be written (the list in memory has changed all the same).
    QString add(const QString& path);
    QString remove(const QString& path);

    // Called after every change, for the menu that shows the list.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    QString changed();

    QString file_;
    QStringList paths_;
    std::function<void()> listener_;
};

}  // namespace tlv
