#include "enriched_air.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <optional>

namespace {

struct Case {
    const char16_t *oxygen;
    const char16_t *depth;
    const char16_t *depthResult;    // nullptr: not reached
    const char16_t *pressureResult; // nullptr: not reached
    bool message;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << QString::fromUtf16(c.oxygen).toStdString() << " % at " << QString::fromUtf16(c.depth).toStdString() << " m";
}

std::optional<QString> expected(const char16_t *text)
{
    return text ? std::optional(QString::fromUtf16(text)) : std::nullopt;
}

class EnrichedAir : public ::testing::TestWithParam<Case> {};

TEST_P(EnrichedAir, GivesBothResultsOrTheMessage)
{
    const Case c = GetParam();
    // The toolkit leaves flags set between events: good input must not trip over them.
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    const calc::EnrichedAirOutcome out = calc::calculateEnrichedAir(QStringView(c.oxygen), QStringView(c.depth));
    EXPECT_EQ(out.depth, expected(c.depthResult));
    EXPECT_EQ(out.pressure, expected(c.pressureResult));
    EXPECT_EQ(out.message, c.message ? QStringLiteral("半角数字を入れて下さい") : QString());
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, EnrichedAir,
    ::testing::Values(Case{u"32", u"30", u"24.4", u"1.28", false}, Case{u"36", u"39", u"29.7", u"1.76", false},
                      Case{u"32", u"100", u"84.7", u"3.52", false}, Case{u"21", u"30", u"30.0", u"0.84", false},
                      Case{u"100", u"30", u"-10.0", u"4.00", false}, Case{u"100", u"9", u"-10.0", u"1.90", false},
                      Case{u"0", u"30", u"40.6", u"0.00", false}, Case{u"32", u"0", u"-1.4", u"0.32", false},
                      Case{u"32", u"-10", u"-10.0", u"0.00", false}, Case{u"-5", u"30", u"43.2", u"-0.20", false},
                      // A text read for the number it starts with, whatever follows.
                      Case{u"32abc", u"30", u"24.4", u"1.28", false}, Case{u"32", u" +.5m", u"-1.0", u"0.34", false},
                      // A box with no number at its start gets the message and computes nothing.
                      Case{u"", u"", nullptr, nullptr, true}, Case{u"O2", u"30", nullptr, nullptr, true},
                      Case{u"32", u"deep", nullptr, nullptr, true}, Case{u"３２", u"30", nullptr, nullptr, true},
                      Case{u"32", u"３０", nullptr, nullptr, true}, Case{u"-", u"30", nullptr, nullptr, true},
                      Case{u"32", u".", nullptr, nullptr, true}, Case{u"+.", u"30", nullptr, nullptr, true},
                      Case{u"32", u"", nullptr, nullptr, true}, Case{u"32", u"- 5", nullptr, nullptr, true},
                      Case{u"120", u"30", u"-20.1", u"4.80", false}, Case{u"32", u"28", u"22.7", u"1.22", false},
                      // The five partial pressures that sit on a rounding boundary.
                      Case{u"21", u"15", u"15.0", u"0.53", false}, Case{u"31", u"15", u"11.8", u"0.78", false},
                      Case{u"33", u"15", u"11.2", u"0.83", false}, Case{u"35", u"27", u"20.4", u"1.30", false},
                      Case{u"35", u"33", u"25.4", u"1.51", false},
                      // Calculation errors before the depth result reach neither result.
                      Case{u"32", u"1e39", nullptr, nullptr, true}, Case{u"0", u"3e38", nullptr, nullptr, true},
                      Case{u"1e39", u"-10", nullptr, nullptr, true}, Case{u"32", u"1e400", nullptr, nullptr, true},
                      Case{u"1e400", u"30", nullptr, nullptr, true},
                      // An oxygen value beyond the float range alone is infinite, not an error.
                      Case{u"1e39", u"30", u"-∞", u"∞", false}));

} // namespace
