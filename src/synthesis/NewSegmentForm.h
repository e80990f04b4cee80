#pragma once

#include "model/DialogForm.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {

class Workspace;

// frmNewSegment: the shape and its parameters for the next segment. OK hands over to the
// writing generator, or to its preview twin while a combine dialog is open. Each box judges its
// text when it loses the focus; a closed form takes no input, so nothing is judged while the
// dialog goes away.
class NewSegmentForm : public DialogForm {
public:
    // Loads the dialog for the shape in SegKind.
    explicit NewSegmentForm(Workspace& ws);

    // Shows the fields of the shape in SegKind and, in combine mode, locks the points box to the
    // selection.
    void ArrangeFields();

    std::optional<QPoint> placement(const QRect& frame) const override;
    // The segment the boxes describe, read leniently as they stand; the previews divide the
    // damping by 10 so that a combined wave decays more slowly.
    ShapeParameters parameters(int kind, double dampDivisor) const;

    // How the dialog closed, for the combine dialog that opened it: OK that computed a standard
    // wave into WorkVolts, or Cancel (its button or the window's close box).
    bool previewed() const { return previewed_; }
    bool cancelled() const { return cancelled_; }

protected:
    void focusLeft(const QString& name) override;
    void clicked(const QString& name) override;
    void listPicked(const QString& name) override;
    void spun(const QString& name) override;

private:
    bool combinePending() const;
    void checkBox(const QString& name);
    void writeDefaults();
    void ok();
    void cancel();

    Workspace& ws_;
    bool previewed_ = false;
    bool cancelled_ = false;
};

}  // namespace tlv
