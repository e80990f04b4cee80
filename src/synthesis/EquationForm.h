#pragma once

#include <optional>
#include <vector>

#include "model/DialogForm.h"
#include "synthesis/SegmentPreview.h"

namespace tlv {

class Workspace;

// What the preview shows for the dialog's two boxes: the segment squeezed into columns, and a
// line saying how the boxes read (the points and how many were clipped, or why nothing is shown).
struct EquationPreview {
    std::vector<PreviewColumn> columns;
    QString reading;
};
EquationPreview PreviewEquation(const QString& expression, const QString& points, int columns);

// The points box's number: a whole number 1..16383, nothing otherwise.
std::optional<int> EquationPoints(const QString& text);

// frmEquation: an expression in volts and the segment's points, with a live preview. OK appends
// the segment as a standard segment is appended; a box that does not read leaves the dialog open
// with a message and the document untouched. The boxes are kept for the run when it closes.
class EquationForm : public DialogForm {
public:
    explicit EquationForm(Workspace& ws);

    void paintPicture(const QString& name, QPainter& painter, QSize size) const override;
    const EquationPreview& preview() const { return preview_; }

protected:
    void textChanged(const QString& name) override;
    void clicked(const QString& name) override;

private:
    void refreshPreview();
    void ok();
    void refuse(const QString& text);
    void keepTexts();

    Workspace& ws_;
    EquationPreview preview_;
};

}  // namespace tlv
