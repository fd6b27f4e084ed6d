#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace calc {

// Equivalent air depth in metres of a mix with `oxygenPercent` % oxygen at
// `depth` metres: EAD = (1 - A / 100) * (B + 10) / 0.79 - 10, in double
// precision from the 32-bit operands, with the floating-point check after the
// product (not rounded) and after the result (rounded to 32 bits). The checks
// see every flag since they were last cleared, the rounding of the depth to 32
// bits included. Throws numbers::CalculationError.
float equivalentAirDepth(float oxygenPercent, float depth);

// Oxygen partial pressure in atmospheres: (B + 10) / 10 * A / 100, strictly
// left to right, rounded to 32 bits, then checked.
float oxygenPartialPressure(float oxygenPercent, float depth);

inline constexpr QStringView kEnrichedAirMessage = u"半角数字を入れて下さい";

// The results are shown in this order, and a failure keeps what was shown
// before it: a depth may be new while the pressure stays as it was.
struct EnrichedAirOutcome {
    std::optional<QString> depth;    // "#0.0" of the equivalent air depth, when reached
    std::optional<QString> pressure; // "0.00" of the partial pressure, when reached
    QString message;                 // to tell the user once the results are shown; empty when all went well
};

// Both results for the oxygen percentage and the depth the user typed. A text
// that starts with no number (empty, letters, digits typed full-width with
// Japanese input on) and any calculation error give kEnrichedAirMessage instead.
EnrichedAirOutcome calculateEnrichedAir(QStringView oxygenText, QStringView depthText);

} // namespace calc
