#include "synthesis/SegmentKinds.h"

#include <array>
#include <utility>

namespace tlv {

namespace {
const std::array<std::pair<const char*, int>, 9> kShapes = {{
    {"Sine", Shape::Sine},
    {"Triangle", Shape::Triangle},
    {"Square", Shape::Square},
    {"Ramp", Shape::Ramp},
    {"Damped Sine", Shape::DampedSine},
    {"Exp Rise", Shape::ExpRise},
    {"Exp Fall", Shape::ExpFall},
    {"Noise", Shape::Noise},
    {"DC", Shape::Dc},
}};
}  // namespace

const QStringList& ShapeNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto& [name, kind] : kShapes)
            list << name;
        return list;
    }();
    return names;
}

int ShapeOfName(const QString& name)
{
    for (const auto& [text, kind] : kShapes)
        if (name == QLatin1String(text))
            return kind;
    return Shape::None;
}

QString NameOfShape(int kind)
{
    for (const auto& [text, k] : kShapes)
        if (k == kind)
            return text;
    return {};
}

}  // namespace tlv
