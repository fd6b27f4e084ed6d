#include "enriched_air.h"

#include "float_check.h"
#include "form_access.h"
#include "message_boxes.h"
#include "numeric_text.h"
#include "pattern_format.h"
#include "runtime_error.h"

#include <optional>

namespace calc {

using platform::fpcheck::check;
using platform::fpcheck::pin;
using platform::fpcheck::pinAll;
using platform::fpcheck::toSingle;

namespace {
constexpr float kPercent = 100.0f;
constexpr float kWholeGas = 1.0f;
constexpr float kMetresPerAtmosphere = 10.0f;
constexpr double kNitrogenInAir = 0.79;
constexpr double kSurfaceMetres = 10.0;
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

void runEnrichedAir(platform::FormAccess &main1, platform::MessageBoxes &boxes)
{
    const auto showMessage = [&] { boxes.inform(kEnrichedAirMessage.toString()); };
    // A box with no number in it (empty, letters, digits typed full-width with
    // Japanese input on) would read as 0 and give a wrong result that looks
    // right, so it gets the message instead.
    const auto read = [&](QStringView box) -> std::optional<float> {
        const QString text = main1.text(box);
        if (!platform::startsWithNumber(text))
            return std::nullopt;
        return toSingle(platform::leadingNumber(text));
    };
    platform::withErrorTrap(
        [&] {
            // The depth is read after the oxygen is rounded: the checks below
            // see the flags of rounding the depth, not those of the oxygen.
            const std::optional<float> oxygen = read(kOxygenBox);
            const std::optional<float> depth = oxygen ? read(kDepthBox) : std::nullopt;
            if (!depth) {
                showMessage();
                return;
            }
            const float ead = equivalentAirDepth(*oxygen, *depth);
            main1.setCaption(kDepthResult, platform::formatSingle(ead, kDepthPattern));
            const float po2 = oxygenPartialPressure(*oxygen, *depth);
            main1.setCaption(kPressureResult, platform::formatSingle(po2, kPressurePattern));
        },
        [&](const platform::RuntimeError &) { showMessage(); });
}

} // namespace calc
