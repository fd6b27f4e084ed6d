#include "enriched_air.h"

#include "float_check.h"
#include "form_access.h"
#include "message_boxes.h"
#include "numeric_text.h"
#include "pattern_format.h"
#include "runtime_error.h"

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
    platform::withErrorTrap(
        [&] {
            const float oxygen = toSingle(platform::leadingNumber(main1.text(kOxygenBox)));
            const float depth = toSingle(platform::leadingNumber(main1.text(kDepthBox)));
            const float ead = equivalentAirDepth(oxygen, depth);
            main1.setCaption(kDepthResult, platform::formatSingle(ead, kDepthPattern));
            const float po2 = oxygenPartialPressure(oxygen, depth);
            main1.setCaption(kPressureResult, platform::formatSingle(po2, kPressurePattern));
        },
        [&](const platform::RuntimeError &) { boxes.inform(kEnrichedAirMessage.toString()); });
}

} // namespace calc
