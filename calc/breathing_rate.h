#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace calc {

// Breathing rate in litres per minute at surface pressure, from the tank
// pressures at the start and end of a dive (one pressure unit counts as one
// atmosphere), the tank volume in litres, the average depth in metres and the
// time at that depth in minutes. 10 m of water weigh one atmosphere.
//
// Each line runs in double precision from 32-bit operands and is stored as a
// 32-bit float, with the floating-point check after each store:
//   P = (start - end) * volume
//   Q = P / (depth / 10 + 1)
//   R = Q / time
// The checks see every flag raised since the flags were last cleared, so the
// caller clears them before rounding the time to 32 bits, not after.
// Throws numbers::CalculationError.
float breathingRate(float start, float end, float volume, float depth, float time);

// The inputs of the breathing-rate calculation, in the order they are checked.
enum class BreathingInput : std::size_t { StartPressure, EndPressure, Volume, Depth, Time };
inline constexpr std::size_t kBreathingInputCount = 5;
using BreathingTexts = std::array<QString, kBreathingInputCount>;

struct BreathingRateOutcome {
    enum class End {
        Result,   // `result` is the rate to show
        Rejected, // `rejected` was not accepted: tell the user `message`, and let them correct it
        Failed,   // a calculation error (floating-point, conversion): nothing to show or tell
    };
    End end = End::Failed;
    QString result;
    BreathingInput rejected = BreathingInput::StartPressure;
    QString message;
};

// The rate for the texts the user typed, each read for the number it starts
// with: "#0.0" of the rate, or the first input not accepted (the end pressure
// may be 0, the others must be positive), or a failure.
BreathingRateOutcome calculateBreathingRate(const BreathingTexts &texts);

} // namespace calc
