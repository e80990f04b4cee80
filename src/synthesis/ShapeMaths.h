#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace tlv {

// The instrument's shapes were always computed with these ten-digit values; keeping them keeps
// every written point identical to what users have stored.
constexpr double kTwoPi = 6.283185308;
constexpr double kPi = 3.141592654;

// One segment: kind as SegKind, amplitude and offset in millivolts, phase in degrees, duty as a
// fraction of the period, damp as the generator uses it.
struct ShapeParameters {
    int kind = 0;
    double points = 0;
    double cycles = 1;
    double phase = 0;
    double amplitude = 0;
    double offset = 0;
    double damp = 0;
    double duty = 0;
};

// Collects a segment's values: at most its points, at most limit of them.
class ShapeOutput {
public:
    ShapeOutput(const ShapeParameters& shape, int limit) : points_(shape.points), limit_(limit)
    {
        if (limit_ > 0 && shape.points > 0)
            values_.reserve(static_cast<size_t>(std::min<double>(limit_, shape.points)));
    }
    // Whether point j of the segment is still to be written.
    bool wants(int j) const { return j < points_ && static_cast<int>(values_.size()) < limit_; }
    void push(double millivolts) { values_.push_back(millivolts); }
    std::vector<double> take() { return std::move(values_); }

private:
    double points_;
    int limit_;
    std::vector<double> values_;
};

// Uniform values in [0, 1) for Noise.
using UniformSource = std::function<double()>;
// A source seeded once from a non-deterministic device.
UniformSource FreshNoiseSource();

// The values of a segment in millivolts, unclipped, in the order they are written; at most
// limit of them. The writing generators and their preview twins both take them from here.
std::vector<double> ShapeMillivolts(const ShapeParameters& shape, int limit,
                                    const UniformSource& random);

// The formulas of the shape table, in millivolts, unclipped.
using ShapeFormula = void (*)(const ShapeParameters&, ShapeOutput&, const UniformSource&);
void SineFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void TriangleFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void SquareFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void RampFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void DampedSineFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void ExpRiseFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void ExpFallFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);
void NoiseFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource& random);
void DcFormula(const ShapeParameters& s, ShapeOutput& out, const UniformSource&);

// Keeps a value within -5000..+5000 mV; a value that is no number (only absurd parameters yield
// one) becomes 0 rather than a text that reads back as nothing.
double ClipMillivolts(double millivolts);

}  // namespace tlv
