#include "result_format.h"

#include "calculation_error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace numbers {
namespace {

QString formatFixed(float value, int decimals)
{
    if (std::isnan(value))
        throw CalculationError();
    if (std::isinf(value))
        return (value < 0 ? kNegativeInfinityText : kInfinityText).toString();

    // Seven significant digits, correctly rounded from the float's exact value:
    // "d.dddddde±x".
    std::array<char, 32> buffer{};
    const double exact = std::fabs(static_cast<double>(value));
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), exact, std::chars_format::scientific, 6);
    const std::string scientific(buffer.data(), result.ptr);
    const std::size_t e = scientific.find('e');
    std::string significand;
    for (std::size_t i = 0; i < e; ++i) {
        if (scientific[i] != '.')
            significand.push_back(scientific[i]);
    }
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    // digits[k] is the digit of weight 10^(pointPos - 1 - k): lay the seven
    // digits out with room for a carry in front and zeros up to the kept
    // decimals behind.
    const int integerDigits = exponent + 1; // may be zero or negative
    const int leadingZeros = integerDigits < 1 ? 1 - integerDigits : 0;
    std::string digits(static_cast<std::size_t>(1 + leadingZeros), '0');
    digits += significand;
    int pointPos = 1 + leadingZeros + integerDigits; // digits before the point
    const int needed = pointPos + decimals;
    if (static_cast<int>(digits.size()) < needed + 1)
        digits.append(static_cast<std::size_t>(needed + 1 - static_cast<int>(digits.size())), '0');

    // Half away from zero on the magnitude.
    const bool roundUp = digits[static_cast<std::size_t>(needed)] >= '5';
    digits.resize(static_cast<std::size_t>(needed));
    if (roundUp) {
        int i = needed - 1;
        while (digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        ++digits[static_cast<std::size_t>(i)];
    }

    std::string integer = digits.substr(0, static_cast<std::size_t>(pointPos));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    const std::string fraction = digits.substr(static_cast<std::size_t>(pointPos));

    std::string text;
    if (value < 0) // false for -0.0f as for +0.0f
        text.push_back('-');
    text += integer;
    text.push_back('.');
    text += fraction;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString formatOneDecimal(float value)
{
    return formatFixed(value, 1);
}

QString formatTwoDecimals(float value)
{
    return formatFixed(value, 2);
}

} // namespace numbers
