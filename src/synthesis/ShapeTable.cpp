#include "synthesis/ShapeTable.h"

namespace tlv {

namespace {
using namespace Field;
constexpr unsigned kWave = Point | Amplitude | Offset | Cycles | Phase;
constexpr unsigned kWaveDefaults = Point | Amplitude | Offset | Cycles | Phase;

// The toolbar's segment: 2000 points at full amplitude around 0 V, one cycle from phase 0.
constexpr ShapeParameters Toolbar(int kind, double cycles = 1, double damp = 0, double duty = 0,
                                  double amplitude = 5000)
{
    return {.kind = kind, .points = 2000, .cycles = cycles, .phase = 0, .amplitude = amplitude,
            .offset = 0, .damp = damp, .duty = duty};
}
}  // namespace

const std::vector<ShapeRow>& Shapes()
{
    using namespace Shape;
    static const std::vector<ShapeRow> rows = {
        // kind, name, menu, button, fields, Default rewrites, damp text, toolbar, formula, walked, random
        {Sine, "Sine", Cmd::Sine, 6, kWave, kWaveDefaults, nullptr, Toolbar(Sine), SineFormula,
         false, false},
        {Triangle, "Triangle", Cmd::Triangle, 7, kWave, kWaveDefaults, nullptr, Toolbar(Triangle),
         TriangleFormula, true, false},
        {Square, "Square", Cmd::Square, 8, kWave | Duty, kWaveDefaults | Duty, nullptr,
         Toolbar(Square, 1, 0, 0.5), SquareFormula, true, false},
        {Ramp, "Ramp", Cmd::Ramp, 9, kWave, kWaveDefaults, nullptr, Toolbar(Ramp), RampFormula,
         true, false},
        {DampedSine, "Damped Sine", Cmd::Damped, 10, kWave | Damp, kWaveDefaults | Damp, "-0.500",
         Toolbar(DampedSine, 5, -0.5), DampedSineFormula, false, false},
        // The Default of the exponentials also rewrites the hidden duty box.
        {ExpRise, "Exp Rise", Cmd::ExpRise, 11, kWave | Damp, kWaveDefaults | Duty | Damp, "-0.100",
         Toolbar(ExpRise, 1, -0.1), ExpRiseFormula, true, false},
        {ExpFall, "Exp Fall", Cmd::ExpFall, 12, kWave | Damp, kWaveDefaults | Duty | Damp, "-0.100",
         Toolbar(ExpFall, 1, -0.1), ExpFallFormula, true, false},
        {Noise, "Noise", Cmd::Noise, 13, Point | Amplitude | Offset, Point | Amplitude | Offset,
         nullptr, Toolbar(Noise), NoiseFormula, false, true},
        {Dc, "DC", Cmd::Dc, 14, Point | Offset, Point | Offset, nullptr, Toolbar(Dc, 1, 0, 0, 0),
         DcFormula, false, false},
    };
    return rows;
}

const ShapeRow* ShapeOfKind(int kind)
{
    for (const ShapeRow& row : Shapes())
        if (row.kind == kind)
            return &row;
    return nullptr;
}

const ShapeRow* ShapeNamed(const QString& name)
{
    for (const ShapeRow& row : Shapes())
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

const QStringList& ShapeNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const ShapeRow& row : Shapes())
            list << row.name;
        return list;
    }();
    return names;
}

int ShapeOfName(const QString& name)
{
    const ShapeRow* row = ShapeNamed(name);
    return row ? row->kind : Shape::None;
}

QString NameOfShape(int kind)
{
    const ShapeRow* row = ShapeOfKind(kind);
    return row ? QString(row->name) : QString();
}

}  // namespace tlv
