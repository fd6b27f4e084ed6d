#include "enriched_air.h"

#include "calculation_error.h"
#include "float_check.h"
#include "numeric_text.h"
#include "result_format.h"

namespace calc {

using numbers::fpcheck::check;
using numbers::fpcheck::clearFlags;
using numbers::fpcheck::pin;
using numbers::fpcheck::pinAll;
using numbers::fpcheck::toSingle;

namespace {
constexpr float kPercent = 100.0f;
constexpr float kWholeGas = 1.0f;
constexpr float kMetresPerAtmosphere = 10.0f;
constexpr double kNitrogenInAir = 0.79;
constexpr double kSurfaceMetres = 10.0;

// A text's number as a 32-bit float, or none when the text starts with no
// number: it would read as 0 and give a wrong result that looks right.
std::optional<float> readInput(QStringView text)
{
    if (!numbers::startsWithNumber(text))
        return std::nullopt;
    return toSingle(numbers::leadingNumber(text));
}

} // namespace

float equivalentAirDepth(float oxygenPercent, float depth)
{
    pinAll(oxygenPercent, depth);
    const double notOxygen = kWholeGas - static_cast<double>(oxygenPercent) / kPercent;
    const double absolute = static_cast<double>(depth) + kMetresPerAtmosphere;
    double product = notOxygen * absolute;
    pin(product);
    check();
    const float ead = toSingle(product / kNitrogenInAir - kSurfaceMetres);
    check();
    return ead;
}

float oxygenPartialPressure(float oxygenPercent, float depth)
{
    pinAll(oxygenPercent, depth);
    const float po2 = toSingle((static_cast<double>(depth) + kMetresPerAtmosphere) / kMetresPerAtmosphere
                               * static_cast<double>(oxygenPercent) / kPercent);
    check();
    return po2;
}

EnrichedAirOutcome calculateEnrichedAir(QStringView oxygenText, QStringView depthText)
{
    EnrichedAirOutcome outcome;
    try {
        // The flags are cleared before each input is read and once the depth
        // result is out: the depth's checks see the rounding of the depth to
        // 32 bits but not of the oxygen (an overflow there leaves an infinite
        // oxygen value), and the pressure's check sees only its own line.
        clearFlags();
        const std::optional<float> oxygen = readInput(oxygenText);
        std::optional<float> depth;
        if (oxygen) {
            clearFlags();
            depth = readInput(depthText);
        }
        if (!depth) {
            outcome.message = kEnrichedAirMessage.toString();
            return outcome;
        }
        outcome.depth = numbers::formatOneDecimal(equivalentAirDepth(*oxygen, *depth));
        clearFlags();
        outcome.pressure = numbers::formatTwoDecimals(oxygenPartialPressure(*oxygen, *depth));
    } catch (const numbers::CalculationError &) {
        outcome.message = kEnrichedAirMessage.toString();
    }
    return outcome;
}

} // namespace calc
