#pragma once

#include <QString>
#include <QStringView>

namespace platform {
class FormAccess;
class MessageBoxes;
} // namespace platform

namespace calc {

// Equivalent air depth in metres of a mix with `oxygenPercent` % oxygen at
// `depth` metres: EAD = (1 - A / 100) * (B + 10) / 0.79 - 10, in double
// precision from the 32-bit operands, with the floating-point check after the
// product (not rounded) and after the result (rounded to 32 bits). The checks
// see every flag since the last call into a control, the rounding of the depth
// to 32 bits included. Raises the floating-point runtime error.
float equivalentAirDepth(float oxygenPercent, float depth);

// Oxygen partial pressure in atmospheres: (B + 10) / 10 * A / 100, strictly
// left to right, rounded to 32 bits, then checked.
float oxygenPartialPressure(float oxygenPercent, float depth);

inline constexpr QStringView kOxygenBox = u"Combo1";
inline constexpr QStringView kDepthBox = u"Combo2";
inline constexpr QStringView kDepthResult = u"Label14";
inline constexpr QStringView kPressureResult = u"Label16";
inline constexpr QStringView kDepthPattern = u"#0.0";
inline constexpr QStringView kPressurePattern = u"0.00";
inline constexpr QStringView kEnrichedAirMessage = u"半角数字を入れて下さい";

// The click on "計　算" of the enriched-air tab: writes the equivalent air depth
// to Label14, then the partial pressure to Label16. A box whose text starts
// with no number, and any runtime error, show the one message; what was
// written before it stays. Never moves the focus.
void runEnrichedAir(platform::FormAccess &main1, platform::MessageBoxes &boxes);

} // namespace calc
