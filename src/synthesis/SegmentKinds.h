#pragma once

#include <QString>
#include <QStringList>

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

// The shape names in the order of the New Segment dialog's list.
const QStringList& ShapeNames();
// The kind a list text names, Shape::None when it names none.
int ShapeOfName(const QString& name);
QString NameOfShape(int kind);

}  // namespace tlv
