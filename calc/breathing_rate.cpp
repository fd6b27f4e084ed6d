#include "breathing_rate.h"

#include "calculation_error.h"
#include "float_check.h"
#include "numeric_text.h"
#include "result_format.h"

#include <QStringView>

namespace calc {

using numbers::fpcheck::check;
using numbers::fpcheck::clearFlags;
using numbers::fpcheck::pinAll;
using numbers::fpcheck::toSingle;

namespace {

struct InputRule {
    QStringView message; // shown when the value is not accepted
    bool mayBeZero;      // the end pressure may be 0; the others must be positive
};

constexpr std::array<InputRule, kBreathingInputCount> kInputRules{{
    {u"タンクの開始圧を入れてください", false},
    {u"タンク終了時の残圧を入れてください", true},
    {u"タンク容積を入れてください", false},
    {u"平均水深を入れてください", false},
    {u"水深時間を入れてください", false},
}};

} // namespace

float breathingRate(float start, float end, float volume, float depth, float time)
{
    constexpr float kMetresPerAtmosphere = 10.0f;
    constexpr float kSurfaceAtmosphere = 1.0f;

    pinAll(start, end, volume, depth, time);
    const float p = toSingle((static_cast<double>(start) - static_cast<double>(end)) * static_cast<double>(volume));
    check();
    const float q =
        toSingle(static_cast<double>(p) / (static_cast<double>(depth) / kMetresPerAtmosphere + kSurfaceAtmosphere));
    check();
    const float r = toSingle(static_cast<double>(q) / static_cast<double>(time));
    check();
    return r;
}

BreathingRateOutcome calculateBreathingRate(const BreathingTexts &texts)
{
    BreathingRateOutcome outcome;
    try {
        std::array<float, kBreathingInputCount> values{};
        for (std::size_t k = 0; k < kBreathingInputCount; ++k) {
            // Each input is tested, then read afresh for the value kept, and
            // the flags are cleared before each: the first check sees the
            // rounding of the time to 32 bits, while an overflow in rounding
            // an earlier input is forgotten and leaves an infinite value.
            clearFlags();
            const double tested = numbers::leadingNumber(texts[k]);
            const bool accepted = kInputRules[k].mayBeZero ? !(tested < 0.0) : tested > 0.0;
            if (!accepted) {
                outcome.end = BreathingRateOutcome::End::Rejected;
                outcome.rejected = static_cast<BreathingInput>(k);
                outcome.message = kInputRules[k].message.toString();
                return outcome;
            }
            clearFlags();
            values[k] = toSingle(numbers::leadingNumber(texts[k]));
        }
        const float rate = breathingRate(values[0], values[1], values[2], values[3], values[4]);
        outcome.result = numbers::formatOneDecimal(rate);
        outcome.end = BreathingRateOutcome::End::Result;
    } catch (const numbers::CalculationError &) {
        outcome = BreathingRateOutcome{};
    }
    return outcome;
}

} // namespace calc
