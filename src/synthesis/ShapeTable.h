#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/CommandIds.h"
#include "synthesis/ShapeMaths.h"

namespace tlv {

// The values of SegKind.
namespace Shape {
enum : int {
    None = 0,
    Noise = 1,
    Sine = 2,
    Triangle = 3,
    Ramp = 4,
    Square = 5,
    ExpRise = 6,
    ExpFall = 7,
    Dc = 8,
    DampedSine = 9,
};
}

// The parameter boxes of the New Segment dialog, as a set of flags.
namespace Field {
enum : unsigned {
    Point = 1u << 0,
    Amplitude = 1u << 1,
    Offset = 1u << 2,
    Cycles = 1u << 3,
    Phase = 1u << 4,
    Duty = 1u << 5,
    Damp = 1u << 6,
};
}

// One shape: everything the menus, the toolbar, the dialog and the generators know of it.
struct ShapeRow {
    int kind;                   // SegKind
    const char* name;           // the dialog's list text
    CommandId menuCommand;      // opens the New Segment dialog on this shape
    int button;                 // on Toolbar2: appends the shape with its toolbar defaults
    unsigned fields;            // the boxes the dialog shows
    unsigned defaultFields;     // the boxes the dialog's Default rewrites
    const char* dampText;       // txtDamp when the shape is picked; nullptr leaves it
    ShapeParameters toolbar;    // the shape button's parameters
    ShapeFormula formula;       // millivolts for the generator and its preview
    bool walked;                // walks cycles: needs a sane period and phase
    bool random;                // draws from a fresh noise source
};

// The shapes in the order of the New Segment dialog's list.
const std::vector<ShapeRow>& Shapes();
// nullptr when no shape has that kind or name.
const ShapeRow* ShapeOfKind(int kind);
const ShapeRow* ShapeNamed(const QString& name);

const QStringList& ShapeNames();
// The kind a list text names, Shape::None when it names none.
int ShapeOfName(const QString& name);
QString NameOfShape(int kind);

}  // namespace tlv
