#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace platform {
class FormAccess;
class MessageBoxes;
} // namespace platform

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
// The checks see every flag raised since the last call into a control, so the
// caller clears the flags before rounding the time to 32 bits, not after.
// Raises the floating-point runtime error.
float breathingRate(float start, float end, float volume, float depth, float time);

// One input box of the breathing-rate tab, in the order they are checked.
struct BreathingBox {
    QStringView control;
    QStringView message; // shown when the value is not accepted
    bool mayBeZero;      // the end pressure may be 0; the others must be positive
};

inline constexpr std::array<BreathingBox, 5> kBreathingBoxes{{
    {u"Text1", u"タンクの開始圧を入れてください", false},
    {u"Text2", u"タンク終了時の残圧を入れてください", true},
    {u"Text3", u"タンク容積を入れてください", false},
    {u"Text4", u"平均水深を入れてください", false},
    {u"Text5", u"水深時間を入れてください", false},
}};

inline constexpr QStringView kBreathingResult = u"Label7";
inline constexpr QStringView kBreathingDone = u"Command2";
inline constexpr QStringView kBreathingPattern = u"#0.0";

// The click on "計　算" of the breathing-rate tab, on the main window's controls.
// Exactly one outcome:
//  - result: Label7 shows the rate with "#0.0" and Command2 has the focus;
//  - a box not accepted: its message was shown, that box has the focus, Label7
//    keeps what it showed;
//  - a runtime error (floating-point, conversion): no message, the focus stays,
//    and Label7 is emptied so that an earlier result cannot pass for the answer
//    to these inputs.
void runBreathingRate(platform::FormAccess &main1, platform::MessageBoxes &boxes);

} // namespace calc
