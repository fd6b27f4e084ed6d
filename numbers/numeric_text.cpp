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

// The extent of the number at `text[start]`, or `start` when there is none.
qsizetype scanNumber(QStringView text, qsizetype start)
{
    const qsizetype n = text.size();
    qsizetype i = start;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i].unicode())) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i].unicode())) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return start;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j].unicode())) {
            while (j < n && isDigit(text[j].unicode()))
                ++j;
            i = j;
        }
    }
    return i;
}

qsizetype skipBlanks(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start].unicode()))
        ++start;
    return start;
}

} // namespace

bool startsWithNumber(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    return scanNumber(text, start) != start;
}

double leadingNumber(QStringView text)
{
    const qsizetype start = skipBlanks(text);
    const qsizetype end = scanNumber(text, start);
    if (end == start)
        return 0.0;

    // Everything in [start, end) is ASCII by construction.
    std::string ascii;
    ascii.resize(static_cast<std::size_t>(end - start));
    for (qsizetype i = start; i < end; ++i)
        ascii[static_cast<std::size_t>(i - start)] = static_cast<char>(text[i].unicode());

    const char *first = ascii.data();
    const char *last = first + ascii.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first; // from_chars takes no plus sign; the sign is put back below

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
    return negative ? -magnitude : magnitude;
}

} // namespace numbers
