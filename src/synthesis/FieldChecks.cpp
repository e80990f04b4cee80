#include "synthesis/FieldChecks.h"

#include <cmath>

#include "model/VoltsText.h"

namespace tlv {

namespace {

struct Rule {
    const char* box;
    const char* message;
    const char* resetText;
};

const Rule kRules[] = {
    {"txtPoint", "Please enter an integer between 16 and 16383", "16"},
    {"txtCycles", "Please enter an integer between 1 and 2048", "1"},
    {"txtPhase", "Please enter an integer between 0 and 359", "0"},
    {"txtAmplitude", "Please enter a number between 0.000 and 5.000", "5.000"},
    {"txtOffset", "Please enter a number between -5.000 and 5.000", "0.000"},
    {"txtDuty", "Please enter a number between 0.000 and 100.000", "50.000"},
    {"txtDamp", "Please enter a number between 5.000 and -5.000", "-0.500"},
};

// 5.000 and 5.0004 are full scale; 5.001 is above it.
bool FractionStartsWithZeros(const QString& text)
{
    int dot = text.indexOf('.');
    if (dot < 0)
        return true;
    for (int i = dot + 1; i < text.size() && i <= dot + 3 && text[i].isDigit(); ++i)
        if (text[i] != '0')
            return false;
    return true;
}

// Rounds halves to the even neighbour (the default rounding mode).
double RoundHalfEven(double value)
{
    return std::nearbyint(value);
}

bool Refused(const QString& box, const QString& text, double value)
{
    const bool dot = text.contains('.');
    const double whole = std::floor(value);
    if (box == "txtPoint")
        return dot || whole < 16 || whole > 16383;
    if (box == "txtCycles")
        return dot || whole < 1 || whole > 2048;
    if (box == "txtPhase")
        return dot || value < 0 || value > 359;
    if (box == "txtAmplitude")
        return whole < 0 || whole > 5 || (whole == 5 && !FractionStartsWithZeros(text));
    const double rounded = RoundHalfEven(value);
    if (box == "txtOffset")
        return rounded < -5 || rounded >= 6;
    if (box == "txtDuty")
        return rounded < 0 || rounded >= 101;
    return rounded > 5 || rounded < -5;  // txtDamp
}

}  // namespace

std::optional<FieldRefusal> CheckSegmentField(const QString& box, const QString& text, bool dcShape)
{
    const Rule* rule = nullptr;
    for (const Rule& r : kRules)
        if (box == QLatin1String(r.box))
            rule = &r;
    if (!rule || (dcShape && box == "txtAmplitude"))
        return std::nullopt;
    const std::string number = text.toStdString();
    if (!IsNumber(number))
        return FieldRefusal{QString(), rule->resetText};
    if (Refused(box, text, TextToNumber(number)))
        return FieldRefusal{rule->message, rule->resetText};
    return std::nullopt;
}

}  // namespace tlv
