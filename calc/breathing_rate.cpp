#include "breathing_rate.h"

#include "float_check.h"
#include "form_access.h"
#include "message_boxes.h"
#include "numeric_text.h"
#include "pattern_format.h"
#include "runtime_error.h"

namespace calc {

using platform::fpcheck::check;
using platform::fpcheck::pinAll;
using platform::fpcheck::toSingle;

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

void runBreathingRate(platform::FormAccess &main1, platform::MessageBoxes &boxes)
{
    bool resultWritten = false;
    platform::withErrorTrap(
        [&] {
            std::array<float, kBreathingBoxes.size()> values{};
            for (std::size_t k = 0; k < kBreathingBoxes.size(); ++k) {
                const BreathingBox &box = kBreathingBoxes[k];
                const double tested = platform::leadingNumber(main1.text(box.control));
                const bool accepted = box.mayBeZero ? !(tested < 0.0) : tested > 0.0;
                if (!accepted) {
                    boxes.inform(box.message.toString());
                    main1.setFocus(box.control);
                    return;
                }
                // The stored value comes from a second reading of the box; rounding
                // it to 32 bits happens after that reading cleared the flags.
                values[k] = toSingle(platform::leadingNumber(main1.text(box.control)));
            }
            const float rate = breathingRate(values[0], values[1], values[2], values[3], values[4]);
            main1.setCaption(kBreathingResult, platform::formatSingle(rate, kBreathingPattern));
            resultWritten = true;
            main1.setFocus(kBreathingDone);
        },
        [&](const platform::RuntimeError &) {
            if (resultWritten)
                return;
            try {
                main1.setCaption(kBreathingResult, QString());
            } catch (const platform::RuntimeError &) {
                // The result box itself failed: nothing more to undo.
            }
        });
}

} // namespace calc
