#include "breathing_rate.h"
#include "calculation_error.h"

#include <QString>

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace {

using End = calc::BreathingRateOutcome::End;
using Input = calc::BreathingInput;

struct Case {
    const char *what;
    std::array<const char16_t *, 5> texts;
    End end;
    const char16_t *result;
    Input rejected; // for End::Rejected
    const char16_t *message;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.what;
}

class BreathingRate : public ::testing::TestWithParam<Case> {};

TEST_P(BreathingRate, GivesTheOutcomeOfItsInputs)
{
    const Case c = GetParam();
    calc::BreathingTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = QString::fromUtf16(c.texts[k]);
    // The toolkit leaves flags set between events: good input must not trip over them.
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    const calc::BreathingRateOutcome out = calc::calculateBreathingRate(texts);
    EXPECT_EQ(out.end, c.end) << c.what;
    EXPECT_EQ(out.result, QString::fromUtf16(c.result)) << c.what;
    EXPECT_EQ(out.message, QString::fromUtf16(c.message)) << c.what;
    if (c.end == End::Rejected) {
        EXPECT_EQ(out.rejected, c.rejected) << c.what;
    }
}

constexpr Input kAny = Input::StartPressure;

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, BreathingRate,
    ::testing::Values(
        Case{"first example", {u"200", u"50", u"10", u"20", u"30"}, End::Result, u"16.7", kAny, u""},
        Case{"second example", {u"200", u"50", u"12", u"15", u"40"}, End::Result, u"18.0", kAny, u""},
        Case{"About box example", {u"185", u"50", u"10", u"12.5", u"45"}, End::Result, u"13.3", kAny, u""},
        Case{"empty end pressure is 0", {u"200", u"", u"10", u"20", u"30"}, End::Result, u"22.2", kAny, u""},
        Case{"end above start", {u"50", u"200", u"10", u"20", u"30"}, End::Result, u"-16.7", kAny, u""},
        Case{"equal pressures", {u"200", u"200", u"10", u"20", u"30"}, End::Result, u"0.0", kAny, u""},
        Case{"number then letters", {u"200bar", u"50", u"10", u"20", u"30"}, End::Result, u"16.7", kAny, u""},
        Case{"0 end pressure accepted", {u"200", u"0", u"10", u"20", u"30"}, End::Result, u"22.2", kAny, u""},
        Case{"all empty",
             {u"", u"", u"", u"", u""},
             End::Rejected,
             u"",
             Input::StartPressure,
             u"タンクの開始圧を入れてください"},
        Case{"only start",
             {u"200", u"", u"", u"", u""},
             End::Rejected,
             u"",
             Input::Volume,
             u"タンク容積を入れてください"},
        Case{"negative end",
             {u"200", u"-5", u"10", u"20", u"30"},
             End::Rejected,
             u"",
             Input::EndPressure,
             u"タンク終了時の残圧を入れてください"},
        Case{"letters in start",
             {u"abc", u"50", u"10", u"20", u"30"},
             End::Rejected,
             u"",
             Input::StartPressure,
             u"タンクの開始圧を入れてください"},
        Case{"zero start",
             {u"0", u"50", u"10", u"20", u"30"},
             End::Rejected,
             u"",
             Input::StartPressure,
             u"タンクの開始圧を入れてください"},
        Case{"letters in volume",
             {u"200", u"50", u"x", u"20", u"30"},
             End::Rejected,
             u"",
             Input::Volume,
             u"タンク容積を入れてください"},
        Case{"depth 0",
             {u"200", u"50", u"10", u"0", u"30"},
             End::Rejected,
             u"",
             Input::Depth,
             u"平均水深を入れてください"},
        Case{"depth -10",
             {u"200", u"50", u"10", u"-10", u"30"},
             End::Rejected,
             u"",
             Input::Depth,
             u"平均水深を入れてください"},
        Case{"time 0",
             {u"200", u"50", u"10", u"20", u"0"},
             End::Rejected,
             u"",
             Input::Time,
             u"水深時間を入れてください"},
        Case{"letters in time",
             {u"200", u"50", u"10", u"20", u"min"},
             End::Rejected,
             u"",
             Input::Time,
             u"水深時間を入れてください"},
        // Calculation errors end without a result or a message.
        Case{"time rounds to 0", {u"200", u"50", u"10", u"20", u"1e-46"}, End::Failed, u"", kAny, u""},
        Case{"time beyond float", {u"200", u"50", u"10", u"20", u"1e39"}, End::Failed, u"", kAny, u""},
        Case{"both pressures beyond float", {u"1e39", u"1e39", u"10", u"20", u"30"}, End::Failed, u"", kAny, u""},
        Case{"infinite volume, no drop", {u"200", u"200", u"1e39", u"20", u"30"}, End::Failed, u"", kAny, u""},
        Case{"P beyond float", {u"3e38", u"0", u"10", u"20", u"30"}, End::Failed, u"", kAny, u""},
        Case{"conversion overflow", {u"1e400", u"50", u"10", u"20", u"30"}, End::Failed, u"", kAny, u""},
        // An overflow in rounding an earlier input is forgotten when the next is read.
        Case{"depth beyond float", {u"200", u"50", u"10", u"1e39", u"30"}, End::Result, u"0.0", kAny, u""},
        Case{"start beyond float", {u"1e39", u"50", u"10", u"20", u"30"}, End::Result, u"∞", kAny, u""},
        Case{"end beyond float", {u"200", u"1e39", u"10", u"20", u"30"}, End::Result, u"-∞", kAny, u""},
        Case{"tiny positive end pressure", {u"200", u"1e-46", u"10", u"20", u"30"}, End::Result, u"22.2", kAny, u""}));

TEST(BreathingRateCore, ChecksAfterEachLine)
{
    EXPECT_FLOAT_EQ(calc::breathingRate(200, 50, 10, 20, 30), 16.666666f);
    // The divisor is never zero for an accepted depth; an infinite depth makes it infinite.
    EXPECT_EQ(calc::breathingRate(200, 50, 10, std::numeric_limits<float>::infinity(), 30), 0.0f);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_THROW(calc::breathingRate(200, 50, 10, 20, 0), numbers::CalculationError);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_THROW(calc::breathingRate(3e38f, 0, 10, 0.01f, 1), numbers::CalculationError);
}

} // namespace
