#include "calc_evaluation.h"

#include "breathing_rate.h"
#include "enriched_air.h"
#include "form_access.h"
#include "recording_message_boxes.h"

#include <cstddef>

namespace support {

BreathingOutcome evaluateBreathingRate(const std::array<QString, 5> &texts, const QString &resultBefore)
{
    platform::MemoryForm form;
    for (std::size_t k = 0; k < texts.size(); ++k)
        form.put(calc::kBreathingBoxes[k].control.toString(), texts[k]);
    const QString resultBox = calc::kBreathingResult.toString();
    form.put(resultBox, resultBefore);
    RecordingMessageBoxes boxes;
    calc::runBreathingRate(form, boxes);

    const QString message = boxes.requests().empty() ? QString() : boxes.requests().back().prompt;
    BreathingOutcome outcome{BreathingOutcome::Kind::SilentEnd, form.value(resultBox), form.focus(), message};
    if (!message.isEmpty())
        outcome.kind = BreathingOutcome::Kind::Rejected;
    else if (form.focus() == calc::kBreathingDone)
        outcome.kind = BreathingOutcome::Kind::Result;
    return outcome;
}

EnrichedAirOutcome evaluateEnrichedAir(const QString &oxygen, const QString &depth, const QString &label14Before,
                                       const QString &label16Before)
{
    platform::MemoryForm form;
    form.put(calc::kOxygenBox.toString(), oxygen);
    form.put(calc::kDepthBox.toString(), depth);
    form.put(calc::kDepthResult.toString(), label14Before);
    form.put(calc::kPressureResult.toString(), label16Before);
    RecordingMessageBoxes boxes;
    calc::runEnrichedAir(form, boxes);
    return {form.value(calc::kDepthResult.toString()), form.value(calc::kPressureResult.toString()),
            !boxes.requests().empty()};
}

} // namespace support
