#include "calculation_error.h"
#include "numeric_text.h"

#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

struct Case {
    const char16_t *text;
    double expected;
};

// Names each row in the test list by its text, control characters escaped so
// that the list stays one test a line.
void PrintTo(const Case &c, std::ostream *out)
{
    QString text;
    for (const QChar ch : QStringView(c.text))
        text += ch.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')) : QString(ch);
    *out << '"' << text.toStdString() << '"';
}

class LeadingNumber : public ::testing::TestWithParam<Case> {};

TEST_P(LeadingNumber, ConvertsThePrefix)
{
    const Case c = GetParam();
    const double value = numbers::leadingNumber(QStringView(c.text));
    EXPECT_EQ(value, c.expected) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumber,
    ::testing::Values(Case{u"200", 200}, Case{u"200abc", 200}, Case{u"abc", 0}, Case{u"", 0}, Case{u"-5", -5},
                      Case{u".5", 0.5}, Case{u"1e-46", 1e-46}, Case{u" 12.5", 12.5}, Case{u"\t\r\n 7", 7},
                      Case{u"+3", 3}, Case{u"5.", 5}, Case{u"1.2.3", 1.2}, Case{u"1e", 1}, Case{u"1e+", 1},
                      Case{u"1E3", 1000}, Case{u"2e+2x", 200}, Case{u"-", 0}, Case{u".", 0}, Case{u"-.", 0},
                      Case{u"e5", 0}, Case{u".e5", 0}, Case{u"- 5", 0}, Case{u"0x10", 0}, Case{u"12 34", 12},
                      // Full-width digits are not numbers: the enriched-air message asks for half-width ones.
                      Case{u"１２", 0}, Case{u"12.5ｍ", 12.5}, Case{u"\u30002", 0}, Case{u"1e-400", 0},
                      Case{u"-1e-400", -0.0}, Case{u"4.9e-324", 4.9e-324},
                      Case{u"1.7976931348623157e308", std::numeric_limits<double>::max()},
                      Case{u"0e99999999999999999999", 0}, Case{u"0.000e500", 0},
                      Case{u"000000000000000000000000000001", 1}, Case{u"0.1", 0.1}, Case{u"0.7", 0.7},
                      Case{u"1e39", 1e39}, Case{u"1e-99999999999999999999", 0}));

TEST(LeadingNumberOverflow, BeyondTheDoubleRangeRaisesOverflow)
{
    for (const char16_t *text : {u"1e400", u"-1e400", u"1.8e308", u"1e99999999999999999999", u"0.001e312",
                                 u"100000000000000000000000000000000000e300"}) {
        EXPECT_THROW(numbers::leadingNumber(QStringView(text)), numbers::CalculationError)
            << QString::fromUtf16(text).toStdString();
    }
}

TEST(LeadingNumberLongText, AMegabytePasteConvertsQuicklyAndStopsAtItsEnd)
{
    const QString digits(1 << 20, u'9');
    const QString zeros = QString(1 << 20, u'0') + QStringLiteral("42");
    const QString fraction = QStringLiteral("0.") + QString(1 << 20, u'0') + QStringLiteral("1");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(numbers::leadingNumber(digits), numbers::CalculationError);
    EXPECT_EQ(numbers::leadingNumber(zeros), 42.0);
    EXPECT_EQ(numbers::leadingNumber(fraction), 0.0);
    EXPECT_EQ(numbers::leadingNumber(QString(1 << 20, u'x')), 0.0);
    // A generous bound: only a quadratic scan or a hang would come near it.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    // A view that ends inside a number must not be read past its end.
    const QString longer = QStringLiteral("1234567");
    EXPECT_EQ(numbers::leadingNumber(QStringView(longer).first(3)), 123.0);
}

} // namespace
