#include "enriched_air.h"

#include "platform/float_check.h"
#include "platform/form_access.h"
#include "platform/message_box.h"
#include "platform/numeric_text.h"
#include "platform/pattern_format.h"
#include "platform/runtime_error.h"

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

EnrichedAirOutcome evaluateEnrichedAir(const QString &oxygen, const QString &depth, const QString &label14Before,
                                       const QString &label16Before)
{
    platform::MemoryForm form;
    form.put(kOxygenBox.toString(), oxygen);
    form.put(kDepthBox.toString(), depth);
    form.put(kDepthResult.toString(), label14Before);
    form.put(kPressureResult.toString(), label16Before);
    platform::RecordingMessageBoxes boxes;
    runEnrichedAir(form, boxes);
    return {form.value(kDepthResult.toString()), form.value(kPressureResult.toString()), !boxes.requests().empty()};
}

} // namespace calc
