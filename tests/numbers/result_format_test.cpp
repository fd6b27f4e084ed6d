#include "calculation_error.h"
#include "result_format.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Case {
    float value;
    int decimals;
    const char16_t *expected;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.value << " to " << c.decimals << " decimals";
}

QString format(float value, int decimals)
{
    return decimals == 1 ? numbers::formatOneDecimal(value) : numbers::formatTwoDecimals(value);
}

class ResultFormat : public ::testing::TestWithParam<Case> {};

TEST_P(ResultFormat, RoundsTheSevenDigitFormHalfAwayFromZero)
{
    const Case c = GetParam();
    EXPECT_EQ(format(c.value, c.decimals).toStdU16String(), std::u16string(c.expected)) << c.value;
}

constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Table, ResultFormat,
                         ::testing::Values(Case{16.25f, 1, u"16.3"}, Case{0.525f, 2, u"0.53"}, Case{1.295f, 2, u"1.30"},
                                           Case{-16.666666f, 1, u"-16.7"}, Case{4.0f, 2, u"4.00"},
                                           Case{0.0f, 1, u"0.0"}, Case{-0.0f, 1, u"0.0"}, Case{0.775f, 2, u"0.78"},
                                           Case{0.825f, 2, u"0.83"}, Case{1.505f, 2, u"1.51"}, Case{-0.04f, 1, u"-0.0"},
                                           Case{-0.05f, 1, u"-0.1"}, Case{-0.004f, 2, u"-0.00"},
                                           Case{9.96f, 1, u"10.0"}, Case{99.95f, 1, u"100.0"}, Case{0.995f, 2, u"1.00"},
                                           Case{16.666666f, 1, u"16.7"}, Case{24.430379f, 1, u"24.4"},
                                           Case{1.28f, 2, u"1.28"}, Case{1e-40f, 1, u"0.0"},
                                           // Rounded to zero keeps the sign; an exact zero has none.
                                           Case{-1e-40f, 1, u"-0.0"}, Case{-0.0f, 2, u"0.00"},
                                           Case{123456.75f, 1, u"123456.8"}, Case{1234567.5f, 1, u"1234568.0"},
                                           Case{16777216.0f, 1, u"16777220.0"},
                                           Case{3.4028235e38f, 1, u"340282300000000000000000000000000000000.0"},
                                           Case{kInf, 1, u"∞"}, Case{-kInf, 2, u"-∞"}));

TEST(ResultFormatNotANumber, IsNoResult)
{
    for (int decimals : {1, 2})
        EXPECT_THROW(format(std::numeric_limits<float>::quiet_NaN(), decimals), numbers::CalculationError);
}

} // namespace
