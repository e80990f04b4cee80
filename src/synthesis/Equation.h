#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "synthesis/ShapeMaths.h"

namespace tlv {

// As many points as the New Segment dialog's points box allows.
constexpr int kMaxEquationPoints = 16383;

// Why an expression gave no segment. The text is what the user is shown.
struct EquationError {
    QString text;
    int position = -1;  // character where the expression could not be read, from 0; else -1
    int point = -1;     // first n at which the value is no number (NaN, infinite); else -1
};

// A segment in volts, clipped to -5..+5 V, and how many of its points were clipped.
struct EquationSegment {
    std::vector<double> volts;
    int clipped = 0;
};

// An expression in volts of n (0..N-1), N and t = n / N, read once and evaluated at every point
// of a segment. The grammar and the functions are described in docs/equations.md.
class Equation {
public:
    // noise() draws from the source: uniform values in [0, 1), scaled to [-1, 1).
    explicit Equation(UniformSource noise = FreshNoiseSource());
    ~Equation();
    Equation(const Equation&) = delete;
    Equation& operator=(const Equation&) = delete;

    // Reads the expression; on failure the error names the position.
    std::optional<EquationError> compile(const QString& expression);
    // The values at points 0..points-1 (1..16383 of them). A value that is no number refuses the
    // whole segment and names the first such point.
    std::variant<EquationSegment, EquationError> evaluate(int points);

private:
    struct Parser;
    std::unique_ptr<Parser> parser_;
};

}  // namespace tlv
