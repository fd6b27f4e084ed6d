#include "calculation_error.h"
#include "float_check.h"

#include <QString>

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>
#include <optional>

namespace {

using numbers::Failure;
namespace fp = numbers::fpcheck;

// Runs `body` from cleared flags and reports what the check makes of it.
template <class Body>
std::optional<Failure> checkAfter(Body body)
{
    fp::clearFlags();
    body();
    try {
        fp::check();
    } catch (const numbers::CalculationError &error) {
        return error.failure();
    }
    return std::nullopt;
}

double opaque(double v)
{
    fp::pin(v);
    return v;
}

TEST(FloatCheck, RaisesForInvalidDivisionAndOverflowOnly)
{
    struct Row {
        const char *what;
        std::optional<Failure> expected;
        float (*body)();
    };
    const Row rows[] = {
        {"overflow rounding to 32 bits", Failure::Overflow, [] { return fp::toSingle(opaque(1e39)); }},
        {"division by zero", Failure::DivisionByZero, [] { return fp::toSingle(opaque(1.0) / opaque(0.0)); }},
        {"infinity minus infinity", Failure::Overflow,
         [] {
             const double inf = opaque(std::numeric_limits<double>::infinity());
             return fp::toSingle(inf - inf);
         }},
        {"underflow to zero", std::nullopt, [] { return fp::toSingle(opaque(1e-46)); }},
        {"inexact", std::nullopt, [] { return fp::toSingle(opaque(1.0) / opaque(3.0)); }},
        {"denormal result", std::nullopt, [] { return fp::toSingle(opaque(1e-40)); }},
        {"operations on infinity", std::nullopt,
         [] { return fp::toSingle(opaque(std::numeric_limits<double>::infinity()) * 2.0); }},
    };
    for (const Row &row : rows) {
        float sink = 0;
        EXPECT_EQ(checkAfter([&] { sink = row.body(); }), row.expected) << row.what;
        fp::pin(sink);
    }
}

TEST(FloatCheck, ClearingForgetsEarlierFlags)
{
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    fp::clearFlags();
    EXPECT_NO_THROW(fp::check());
}

} // namespace
