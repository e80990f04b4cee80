#pragma once

#include "files/ImportFit.h"
#include "files/ImportSource.h"
#include "model/DialogForm.h"

namespace tlv {

class Workspace;

// frmImportWaveform: a capture read from a file, fitted to the instrument and appended like a
// segment. The dialog shows what was read (the first lines, the header lines passed over), lets
// the user choose the channel, the length and the level, and previews the source and the result.
// OK reads the whole source with progress and Cancel; nothing of the document changes before.
class ImportWaveformForm : public DialogForm {
public:
    ImportWaveformForm(Workspace& ws, SourceInfo source);

    void paintPicture(const QString& name, QPainter& painter, QSize size) const override;
    std::vector<QPointF> pictureTrace(const QString& name) const override;

    // The result's length asked for by the boxes; nothing when they do not read.
    std::optional<int> targetPoints() const;
    std::optional<LevelFit> levelFit() const;

protected:
    void textChanged(const QString& name) override;
    void clicked(const QString& name) override;
    void listPicked(const QString& name) override;

private:
    int channel() const;
    long long sourceCount() const;
    void refresh();
    void ok();
    void refuse(const QString& text);

    Workspace& ws_;
    SourceInfo source_;
    int room_;  // the points left after the active waveform
    std::vector<double> sourcePreview_;
    FittedValues resultPreview_;
};

// File > Import Waveform: asks for the file, reads its kind and opens the dialog on it.
void ImportWaveform(Workspace& ws);

}  // namespace tlv
