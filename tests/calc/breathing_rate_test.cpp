#include "breathing_rate.h"
#include "calc_evaluation.h"
#include "form_access.h"
#include "message_boxes.h"
#include "recording_message_boxes.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace {

using Kind = support::BreathingOutcome::Kind;

struct Case {
    const char *what;
    std::array<const char16_t *, 5> texts;
    Kind kind;
    const char16_t *result; // Label7 afterwards, starting from "9.9"
    const char16_t *focus;
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
    std::array<QString, 5> texts;
    for (std::size_t k = 0; k < 5; ++k)
        texts[k] = QString::fromUtf16(c.texts[k]);
    // The toolkit leaves flags set between events: good input must not trip over them.
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    const support::BreathingOutcome out = support::evaluateBreathingRate(texts, QStringLiteral("9.9"));
    EXPECT_EQ(out.kind, c.kind) << c.what;
    EXPECT_EQ(out.result, QString::fromUtf16(c.result)) << c.what;
    EXPECT_EQ(out.focus, QString::fromUtf16(c.focus)) << c.what;
    EXPECT_EQ(out.message, QString::fromUtf16(c.message)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, BreathingRate,
    ::testing::Values(
        Case{"first example", {u"200", u"50", u"10", u"20", u"30"}, Kind::Result, u"16.7", u"Command2", u""},
        Case{"second example", {u"200", u"50", u"12", u"15", u"40"}, Kind::Result, u"18.0", u"Command2", u""},
        Case{"About box example", {u"185", u"50", u"10", u"12.5", u"45"}, Kind::Result, u"13.3", u"Command2", u""},
        Case{"empty end pressure is 0", {u"200", u"", u"10", u"20", u"30"}, Kind::Result, u"22.2", u"Command2", u""},
        Case{"end above start", {u"50", u"200", u"10", u"20", u"30"}, Kind::Result, u"-16.7", u"Command2", u""},
        Case{"equal pressures", {u"200", u"200", u"10", u"20", u"30"}, Kind::Result, u"0.0", u"Command2", u""},
        Case{"number then letters", {u"200bar", u"50", u"10", u"20", u"30"}, Kind::Result, u"16.7", u"Command2", u""},
        Case{"0 end pressure accepted", {u"200", u"0", u"10", u"20", u"30"}, Kind::Result, u"22.2", u"Command2", u""},
        Case{"all empty",
             {u"", u"", u"", u"", u""},
             Kind::Rejected,
             u"9.9",
             u"Text1",
             u"タンクの開始圧を入れてください"},
        Case{"only start",
             {u"200", u"", u"", u"", u""},
             Kind::Rejected,
             u"9.9",
             u"Text3",
             u"タンク容積を入れてください"},
        Case{"negative end",
             {u"200", u"-5", u"10", u"20", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text2",
             u"タンク終了時の残圧を入れてください"},
        Case{"letters in start",
             {u"abc", u"50", u"10", u"20", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text1",
             u"タンクの開始圧を入れてください"},
        Case{"zero start",
             {u"0", u"50", u"10", u"20", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text1",
             u"タンクの開始圧を入れてください"},
        Case{"letters in volume",
             {u"200", u"50", u"x", u"20", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text3",
             u"タンク容積を入れてください"},
        Case{"depth 0",
             {u"200", u"50", u"10", u"0", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text4",
             u"平均水深を入れてください"},
        Case{"depth -10",
             {u"200", u"50", u"10", u"-10", u"30"},
             Kind::Rejected,
             u"9.9",
             u"Text4",
             u"平均水深を入れてください"},
        Case{"time 0",
             {u"200", u"50", u"10", u"20", u"0"},
             Kind::Rejected,
             u"9.9",
             u"Text5",
             u"水深時間を入れてください"},
        Case{"letters in time",
             {u"200", u"50", u"10", u"20", u"min"},
             Kind::Rejected,
             u"9.9",
             u"Text5",
             u"水深時間を入れてください"},
        // Failures after the trap is armed end silently and empty the result box.
        Case{"time rounds to 0", {u"200", u"50", u"10", u"20", u"1e-46"}, Kind::SilentEnd, u"", u"", u""},
        Case{"time beyond float", {u"200", u"50", u"10", u"20", u"1e39"}, Kind::SilentEnd, u"", u"", u""},
        Case{"both pressures beyond float", {u"1e39", u"1e39", u"10", u"20", u"30"}, Kind::SilentEnd, u"", u"", u""},
        Case{"infinite volume, no drop", {u"200", u"200", u"1e39", u"20", u"30"}, Kind::SilentEnd, u"", u"", u""},
        Case{"P beyond float", {u"3e38", u"0", u"10", u"20", u"30"}, Kind::SilentEnd, u"", u"", u""},
        Case{"conversion overflow", {u"1e400", u"50", u"10", u"20", u"30"}, Kind::SilentEnd, u"", u"", u""},
        // An overflow in rounding an earlier box is cleared by the next reading.
        Case{"depth beyond float", {u"200", u"50", u"10", u"1e39", u"30"}, Kind::Result, u"0.0", u"Command2", u""},
        Case{"start beyond float", {u"1e39", u"50", u"10", u"20", u"30"}, Kind::Result, u"∞", u"Command2", u""},
        Case{"end beyond float", {u"200", u"1e39", u"10", u"20", u"30"}, Kind::Result, u"-∞", u"Command2", u""},
        Case{"tiny positive end pressure",
             {u"200", u"1e-46", u"10", u"20", u"30"},
             Kind::Result,
             u"22.2",
             u"Command2",
             u""}));

TEST(BreathingRateHandler, ReadsEachAcceptedBoxTwiceAndStopsAtTheFirstRejected)
{
    platform::MemoryForm form;
    form.put(QStringLiteral("Text1"), QStringLiteral("200"));
    form.put(QStringLiteral("Text2"), QStringLiteral("50"));
    form.put(QStringLiteral("Text3"), QStringLiteral("0"));
    form.put(QStringLiteral("Text4"), QStringLiteral("20"));
    form.put(QStringLiteral("Text5"), QStringLiteral("30"));
    support::RecordingMessageBoxes boxes;
    calc::runBreathingRate(form, boxes);

    EXPECT_EQ(form.reads(QStringLiteral("Text1")), 2);
    EXPECT_EQ(form.reads(QStringLiteral("Text2")), 2);
    EXPECT_EQ(form.reads(QStringLiteral("Text3")), 1);
    EXPECT_EQ(form.reads(QStringLiteral("Text4")), 0);
    EXPECT_EQ(form.reads(QStringLiteral("Text5")), 0);
    ASSERT_EQ(boxes.requests().size(), 1u);
    const platform::MessageRequest &shown = boxes.requests().front();
    EXPECT_EQ(shown.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(shown.icon, platform::MessageIcon::None);
    EXPECT_TRUE(shown.title.isEmpty());
}

TEST(BreathingRateCore, ChecksAfterEachLine)
{
    EXPECT_FLOAT_EQ(calc::breathingRate(200, 50, 10, 20, 30), 16.666666f);
    // The divisor is never zero for an accepted depth; an infinite depth makes it infinite.
    EXPECT_EQ(calc::breathingRate(200, 50, 10, std::numeric_limits<float>::infinity(), 30), 0.0f);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_THROW(calc::breathingRate(200, 50, 10, 20, 0), platform::RuntimeError);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_THROW(calc::breathingRate(3e38f, 0, 10, 0.01f, 1), platform::RuntimeError);
}

} // namespace
