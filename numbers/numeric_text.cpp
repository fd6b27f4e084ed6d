#include "numeric_text.h"

#include "calculation_error.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

namespace numbers {
namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The number a text starts with, after its blanks, as from_chars reads it:
// ASCII, without its sign. `ascii` is empty when the text starts with none.
struct LeadingNumber {
    bool negative = false;
    std::string ascii;
};

// Walks the number once, copying it as it goes.
LeadingNumber scanNumber(QStringView text)
{
    LeadingNumber number;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i].unicode()))
        ++i;
    auto take = [&] { number.ascii.push_back(static_cast<char>(text[i++].unicode())); };
    auto takeDigits = [&] {
        const qsizetype first = i;
        while (i < n && isDigit(text[i].unicode()))
            take();
        return i - first;
    };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    qsizetype digits = takeDigits();
    if (i < n && text[i] == u'.') {
        take();
        digits += takeDigits();
    }
    if (digits == 0)
        return {};
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        // An exponent without a digit is not part of the number: "5e+" is 5.
        const std::size_t mantissa = number.ascii.size();
        take();
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            take();
        if (takeDigits() == 0)
            number.ascii.resize(mantissa);
    }
    return number;
}

} // namespace

bool startsWithNumber(QStringView text)
{
    return !scanNumber(text).ascii.empty();
}

double leadingNumber(QStringView text)
{
    const LeadingNumber number = scanNumber(text);
    if (number.ascii.empty())
        return 0.0;
    const char *first = number.ascii.data();
    const char *last = first + number.ascii.size();

    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is the conversion's one failure,
        // too small is zero. Which one depends on where the first significant
        // digit stands, shifted by the exponent.
        const char *p = first;
        long long position = 0; // decimal exponent of the first significant digit, plus one
        bool seenPoint = false;
        bool found = false;
        for (; p < last && *p != 'e' && *p != 'E'; ++p) {
            if (*p == '.') {
                seenPoint = true;
                continue;
            }
            if (!found && *p == '0') {
                if (seenPoint)
                    --position;
                continue;
            }
            found = true;
            if (!seenPoint)
                ++position;
        }
        long long exponent = 0;
        if (p < last) {
            ++p;
            const bool negativeExponent = *p == '-';
            if (*p == '+' || *p == '-')
                ++p;
            for (; p < last; ++p) {
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (*p - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
        }
        if (found && position + exponent > 0)
            throw CalculationError();
        magnitude = 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace numbers
