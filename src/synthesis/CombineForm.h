#pragma once

#include <vector>

#include "model/DialogForm.h"
#include "synthesis/Combine.h"

namespace tlv {

class NewSegmentForm;
class Workspace;

// frmAdd, frmSub and frmMulti: the selection (Picture1) combined with a standard wave (Picture3)
// into a result (Picture2) that OK writes over the selection. The standard wave is chosen through
// the New Segment dialog, which previews it instead of writing it while this dialog is pending.
class CombineForm : public DialogForm {
public:
    // Loads the dialog: captures the selection and draws it into Picture1.
    CombineForm(Workspace& ws, CombineOperation operation);

    std::optional<QPoint> placement(const QRect& frame) const override;
    void paintPicture(const QString& name, QPainter& painter, QSize size) const override;
    std::vector<QPointF> pictureTrace(const QString& name) const override;

    // The preview generator has put a standard wave into WorkVolts: draws it and combines it
    // with the selection over as many points as the New Segment dialog's txtPoint gave.
    void combineStandardWave(const QString& pointsText);

protected:
    void clicked(const QString& name) override;

private:
    void chooseStandardWave();
    void redo();
    void apply();
    void closeDialog();

    Workspace& ws_;
    CombineOperation operation_;
    bool waveOption_ = false;  // optWave is set: a click on it opens nothing
    // The result OK writes: computed since the dialog opened (or since Add's Redo).
    std::vector<double> combineVolts_;
    // What each picture shows: plot rows, drawn across the picture's width in `span` steps.
    struct Picture {
        std::vector<double> rows;
        double span = 1;
    };
    Picture selection_, standard_, result_;
};

// The Math menu's Add, Subtract and Multiply: marks the dialog pending and shows it modally.
void OpenCombineDialog(Workspace& ws, CombineOperation operation);

}  // namespace tlv
