#pragma once

#include <QString>
#include <QStringView>

namespace numbers {

// The text an infinite value formats to. A Japanese user reads the infinity
// sign at a glance, and it fits the narrow result boxes.
inline constexpr QStringView kInfinityText = u"∞";
inline constexpr QStringView kNegativeInfinityText = u"-∞";

// The two result formats: at least one digit before the point and exactly one
// ("#0.0": the breathing rate and the equivalent depth) or two ("0.00": the
// oxygen pressure) after it.
//
// Rounding is the one a person does by hand from the number as the program
// shows it elsewhere: first the value's decimal form at 7 significant digits,
// then rounded to the format's decimals half away from zero. So 0.525f
// (0.52499997...) gives "0.53" and 16.25f gives "16.3". A negative value keeps
// its minus sign even when it rounds to zero (-0.04f gives "-0.0"), so the
// result still says which way it went; only an exact zero, +0.0f or -0.0f,
// shows without a sign.
//
// Not a number is no result: it throws CalculationError, as the flag check
// does for the operation that made it.
QString formatOneDecimal(float value);
QString formatTwoDecimals(float value);

} // namespace numbers
