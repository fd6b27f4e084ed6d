#include "calculation_error.h"
#include "pattern_format.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Case {
    float value;
    const char16_t *pattern;
    const char16_t *expected;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.value << " as " << QString::fromUtf16(c.pattern).toStdString();
}

class FormatSingle : public ::testing::TestWithParam<Case> {};

TEST_P(FormatSingle, RoundsTheSevenDigitFormHalfAwayFromZero)
{
    const Case c = GetParam();
    EXPECT_EQ(numbers::formatSingle(c.value, QStringView(c.pattern)).toStdU16String(), std::u16string(c.expected))
        << c.value;
}

constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, FormatSingle,
    ::testing::Values(Case{16.25f, u"#0.0", u"16.3"}, Case{0.525f, u"0.00", u"0.53"}, Case{1.295f, u"0.00", u"1.30"},
                      Case{-16.666666f, u"#0.0", u"-16.7"}, Case{4.0f, u"0.00", u"4.00"}, Case{0.0f, u"#0.0", u"0.0"},
                      Case{-0.0f, u"#0.0", u"0.0"}, Case{0.775f, u"0.00", u"0.78"}, Case{0.825f, u"0.00", u"0.83"},
                      Case{1.505f, u"0.00", u"1.51"}, Case{-0.04f, u"#0.0", u"-0.0"}, Case{-0.05f, u"#0.0", u"-0.1"},
                      Case{-0.004f, u"0.00", u"-0.00"}, Case{9.96f, u"#0.0", u"10.0"}, Case{99.95f, u"#0.0", u"100.0"},
                      Case{0.995f, u"0.00", u"1.00"}, Case{16.666666f, u"#0.0", u"16.7"},
                      Case{24.430379f, u"#0.0", u"24.4"}, Case{1.28f, u"0.00", u"1.28"}, Case{1e-40f, u"#0.0", u"0.0"},
                      // Rounded to zero keeps the sign; an exact zero has none.
                      Case{-1e-40f, u"#0.0", u"-0.0"}, Case{-0.0f, u"0.00", u"0.00"},
                      Case{123456.75f, u"#0.0", u"123456.8"}, Case{1234567.5f, u"#0.0", u"1234568.0"},
                      Case{16777216.0f, u"#0.0", u"16777220.0"},
                      Case{3.4028235e38f, u"#0.0", u"340282300000000000000000000000000000000.0"},
                      Case{kInf, u"#0.0", u"∞"}, Case{-kInf, u"0.00", u"-∞"},
                      Case{std::numeric_limits<float>::quiet_NaN(), u"#0.0", u"非数"}, Case{2.5f, u"0", u"3"},
                      Case{2.5f, u"#0", u"3"}, Case{0.125f, u"0.000", u"0.125"}));

TEST(FormatSinglePattern, UnsupportedPatternsRaiseInvalidCall)
{
    for (const char16_t *pattern : {u"", u"#.0", u"0.#", u"x0.0", u"0.00%", u".00"}) {
        try {
            numbers::formatSingle(1.0f, QStringView(pattern));
            ADD_FAILURE() << "accepted " << QString::fromUtf16(pattern).toStdString();
        } catch (const numbers::CalculationError &error) {
            EXPECT_EQ(error.failure(), numbers::Failure::InvalidFormat);
        }
    }
}

} // namespace
