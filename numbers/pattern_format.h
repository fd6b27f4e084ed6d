#pragma once

#include <QString>
#include <QStringView>

namespace numbers {

// The text an infinite value formats to. A Japanese user reads the infinity
// sign at a glance, and it fits the narrow result boxes.
inline constexpr QStringView kInfinityText = u"∞";
inline constexpr QStringView kNegativeInfinityText = u"-∞";
// Not a number never reaches a result box (every operation that makes one
// raises the floating-point error first); should one arrive, it says so.
inline constexpr QStringView kNotANumberText = u"非数";

// Formats a 32-bit float with a fixed-point pattern such as "#0.0" or "0.00":
// at least one digit before the point (the pattern must end its integer part in
// '0') and exactly as many after it as the pattern has zeros there.
//
// Rounding is the one a person does by hand from the number as the program
// shows it elsewhere: first the value's decimal form at 7 significant digits,
// then rounded to the pattern's decimals half away from zero. So 0.525f
// (0.52499997...) gives "0.53" and 16.25f gives "16.3". A negative value keeps
// its minus sign even when it rounds to zero (-0.04f gives "-0.0"), so the
// result still says which way it went; only an exact zero, +0.0f or -0.0f,
// shows without a sign.
//
// An unsupported pattern throws CalculationError(Failure::InvalidFormat).
QString formatSingle(float value, QStringView pattern);

} // namespace numbers
