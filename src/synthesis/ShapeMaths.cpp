#include "synthesis/ShapeMaths.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "synthesis/ShapeTable.h"

namespace tlv {

namespace {

// The walked shapes step through cycles, half cycles or quarters one at a time. Beyond this many
// cycles a walk could not end in reasonable time, and no box of the dialog allows it anyway.
constexpr double kMaxWalkedCycles = 32767;

double Period(const ShapeParameters& s)
{
    return s.points / s.cycles;
}

// The phase as a shift in points.
double Shift(const ShapeParameters& s)
{
    return s.phase / 360 * Period(s);
}

bool Walkable(const ShapeParameters& s)
{
    const double period = Period(s);
    return s.phase >= 0 && s.phase <= 360 && period > 0 && std::isfinite(period) &&
           s.cycles <= kMaxWalkedCycles;
}

}  // namespace

void SineFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    const double w = kTwoPi / Period(s);
    const double phi = s.phase * kPi / 180;
    for (int j = 0; out.wants(j); ++j)
        out.push(s.amplitude * std::sin(w * j + phi) + s.offset);
}

void DampedSineFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    const float w = static_cast<float>(kTwoPi / Period(s));
    const float q = static_cast<float>(s.points / 40);
    const double phi = s.phase * kPi / 180;
    for (int j = 0; out.wants(j); ++j) {
        const float e = static_cast<float>(std::exp(j * (s.damp / 5) / q));
        out.push(s.amplitude * std::sin(static_cast<double>(w) * j + phi) * e + s.offset);
    }
}

void NoiseFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource& random)
{
    for (int j = 0; out.wants(j); ++j)
        out.push(s.offset + s.amplitude * 2 * (random() - 0.5));
}

void DcFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    for (int j = 0; out.wants(j); ++j)
        out.push(s.offset);
}

void SquareFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    const double p = Period(s);
    const double shift = Shift(s);
    int h = 0;
    float level = 1;
    if (s.phase >= 180) {
        h = 1;
        level = -1;
    }
    for (int j = 0; out.wants(j); ++h, level = -level) {
        const double end = h % 2 == 0 ? (h / 2 + s.duty) * p - shift : ((h + 1) / 2) * p - shift;
        for (; j < end && out.wants(j); ++j)
            out.push(s.amplitude * level + s.offset);
    }
}

void TriangleFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    const double p = Period(s);
    const double shift = Shift(s);
    const double slope = 4 * s.amplitude / p;
    int q = 0;
    float sign = 1;
    if (s.phase >= 90) {
        q = 1;
        sign = -1;
        if (s.phase >= 270) {
            q = 2;
            sign = 1;
        }
    }
    for (int j = 0; out.wants(j); ++q, sign = -sign) {
        const double end = (q / 2.0 + 0.25) * p - shift;
        for (; j <= end && out.wants(j); ++j)
            out.push(sign * slope * ((j + shift) - (q / 2.0) * p) + s.offset);
    }
}

namespace {
// Walks the segment cycle by cycle; value(j, c) gives point j inside cycle c. Exp Rise and Exp
// Fall end a cycle just before its end point, Ramp on it.
template <typename Value>
void CycleWalk(const ShapeParameters& s, ShapeOutput& out, bool endInside, Value value)
{
    const double p = Period(s);
    const double shift = Shift(s);
    for (int j = 0, c = 0; out.wants(j); ++c) {
        const double end = (c + 1) * p - shift;
        for (; (endInside ? j <= end : j < end) && out.wants(j); ++j)
            out.push(value(j, c));
    }
}

void Exponential(const ShapeParameters& s, ShapeOutput& out, bool rise)
{
    const double p = Period(s);
    const double shift = Shift(s);
    const double q = s.points / (80 * s.cycles);
    CycleWalk(s, out, false, [&](int j, int c) {
        const double g = std::exp(((j + shift) - c * p) * s.damp / q);
        return rise ? s.amplitude * (1 - g) + s.offset : s.amplitude * g + s.offset;
    });
}

}  // namespace

void ExpRiseFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    Exponential(s, out, true);
}

void ExpFallFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    Exponential(s, out, false);
}

void RampFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&)
{
    const double p = Period(s);
    const double shift = Shift(s);
    const double slope = 2 * s.amplitude / p;
    CycleWalk(s, out, true, [&](int j, int c) {
        return slope * ((j + shift) - (c + 0.5) * p) + s.offset;
    });
}


UniformSource FreshNoiseSource()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    auto engine = std::make_shared<std::mt19937_64>(seed);
    // The top 53 bits of a draw, so the value is never 1.
    return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

std::vector<double> ShapeMillivolts(const ShapeParameters& shape, int limit,
                                    const UniformSource& random)
{
    ShapeOutput out(shape, limit);
    const ShapeRow* row = ShapeOfKind(shape.kind);
    if (row && (!row->walked || Walkable(shape)))
        row->formula(shape, out, random);
    return out.take();
}

double ClipMillivolts(double millivolts)
{
    if (std::isnan(millivolts))
        return 0;
    if (millivolts > 5000)
        return 5000;
    if (millivolts < -5000)
        return -5000;
    return millivolts;
}

}  // namespace tlv
