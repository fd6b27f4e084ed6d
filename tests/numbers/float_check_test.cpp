#include "calculation_error.h"
#include "float_check.h"

#include <QString>

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace {

namespace fp = numbers::fpcheck;

// Runs `body` from cleared flags and tells whether the check stops on it.
template <class Body>
bool checkStopsAfter(Body body)
{
    fp::clearFlags();
    body();
    try {
        fp::check();
    } catch (const numbers::CalculationError &) {
        return true;
    }
    return false;
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
        bool stops;
        float (*body)();
    };
    const Row rows[] = {
        {"overflow rounding to 32 bits", true, [] { return fp::toSingle(opaque(1e39)); }},
        {"division by zero", true, [] { return fp::toSingle(opaque(1.0) / opaque(0.0)); }},
        {"infinity minus infinity", true,
         [] {
             const double inf = opaque(std::numeric_limits<double>::infinity());
             return fp::toSingle(inf - inf);
         }},
        {"underflow to zero", false, [] { return fp::toSingle(opaque(1e-46)); }},
        {"inexact", false, [] { return fp::toSingle(opaque(1.0) / opaque(3.0)); }},
        {"denormal result", false, [] { return fp::toSingle(opaque(1e-40)); }},
        {"operations on infinity", false,
         [] { return fp::toSingle(opaque(std::numeric_limits<double>::infinity()) * 2.0); }},
    };
    for (const Row &row : rows) {
        float sink = 0;
        EXPECT_EQ(checkStopsAfter([&] { sink = row.body(); }), row.stops) << row.what;
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
