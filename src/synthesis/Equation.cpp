#include "synthesis/Equation.h"

#include <muParser.h>

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tlv {

namespace {

constexpr double kMaxVolts = 5.0;

// The periodic shapes have period 1 and amplitude 1 and follow the program's own shapes at 0
// degrees: square like Square at 50 % duty, triangle like Triangle, sawtooth like Ramp. A value
// that is no number stays one, so the point is refused rather than written as a level.
double Fraction(double x)
{
    return x - std::floor(x);
}

double SquareWave(double x)
{
    if (!std::isfinite(x))
        return std::nan("");
    return Fraction(x) < 0.5 ? 1.0 : -1.0;
}

double TriangleWave(double x)
{
    const double f = Fraction(x);
    if (f < 0.25)
        return 4 * f;
    if (f < 0.75)
        return 2 - 4 * f;
    return 4 * f - 4;
}

double SawtoothWave(double x)
{
    return 2 * Fraction(x) - 1;
}

double Floor(double x)
{
    return std::floor(x);
}


// muParser's reason, with its own mention of the position replaced by one at the end. muParser
// may count the end of the text a character or two past it; the position is the end then.
EquationError ReadError(const mu::Parser::exception_type& e, const QString& expression)
{
    static const QRegularExpression ownPosition(" (found )?at (expression )?position -?\\d+");
    QString reason = QString::fromStdString(e.GetMsg()).remove(ownPosition).trimmed();
    // An operator with nothing after it ("5*+") reaches the evaluator unfinished.
    if (e.GetCode() == mu::ecINTERNAL_ERROR)
        reason = "Unexpected end of expression";
    if (reason.endsWith('.'))
        reason.chop(1);
    const int position = std::min(e.GetPos(), static_cast<int>(expression.size()));
    if (position >= 0)
        reason += QString(" at position %1").arg(position);
    return {"The expression cannot be read: " + reason + ".", position, -1};
}

}  // namespace

struct Equation::Parser {
    mu::Parser parser;
    QString expression;
    double n = 0;
    double N = 1;
    double t = 0;
    UniformSource noise;
    // The trial evaluation that makes muParser read the text draws nothing from the source.
    bool reading = false;

    static double Noise(void* self)
    {
        Parser& p = *static_cast<Parser*>(self);
        return p.reading ? 0.0 : 2 * p.noise() - 1;
    }
};

Equation::Equation(UniformSource noise) : parser_(std::make_unique<Parser>())
{
    Parser& p = *parser_;
    p.noise = std::move(noise);
    mu::Parser& mp = p.parser;
    mp.DefineVar("n", &p.n);
    mp.DefineVar("N", &p.N);
    mp.DefineVar("t", &p.t);
    mp.DefineConst("pi", std::numbers::pi);
    mp.DefineConst("e", std::numbers::e);
    mp.DefineFun("floor", Floor);
    mp.DefineFun("square", SquareWave);
    mp.DefineFun("triangle", TriangleWave);
    mp.DefineFun("sawtooth", SawtoothWave);
    // Each call must draw anew: muParser may not fold noise() into a constant.
    mp.DefineFunUserData("noise", Parser::Noise, &p, false);
}

Equation::~Equation() = default;

std::optional<EquationError> Equation::compile(const QString& expression)
{
    Parser& p = *parser_;
    try {
        p.expression = expression;
        p.parser.SetExpr(expression.toStdString());
        // muParser reads the text on the first evaluation.
        p.n = 0;
        p.N = 1;
        p.t = 0;
        p.reading = true;
        p.parser.Eval();
        p.reading = false;
    } catch (const mu::Parser::exception_type& e) {
        p.reading = false;
        return ReadError(e, p.expression);
    }
    return std::nullopt;
}

std::variant<EquationSegment, EquationError> Equation::evaluate(int points)
{
    if (points < 1 || points > kMaxEquationPoints)
        return EquationError{QString("The points must be 1 to %1.").arg(kMaxEquationPoints)};
    Parser& p = *parser_;
    EquationSegment segment;
    segment.volts.resize(static_cast<size_t>(points));
    try {
        for (int i = 0; i < points; ++i) {
            // All three are set at every point: an expression may assign to them.
            p.n = i;
            p.N = points;
            p.t = static_cast<double>(i) / points;
            double v = p.parser.Eval();
            if (!std::isfinite(v))
                return EquationError{QString("The expression gives no number at n = %1.").arg(i),
                                     -1, i};
            if (v > kMaxVolts || v < -kMaxVolts) {
                v = std::clamp(v, -kMaxVolts, kMaxVolts);
                ++segment.clipped;
            }
            segment.volts[static_cast<size_t>(i)] = v;
        }
    } catch (const mu::Parser::exception_type& e) {
        return ReadError(e, p.expression);
    }
    return segment;
}

}  // namespace tlv
