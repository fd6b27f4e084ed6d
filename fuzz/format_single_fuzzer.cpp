// The pattern formatter against exact decimal arithmetic on the float's value.
//
// Input: one byte choosing the pattern, then either the float's four bytes
// (little-endian) or, when the choosing byte has its high bit set, decimal
// text read with strtof, so that near-ties such as 0.525 are easy to reach.

#include "calculation_error.h"
#include "models.h"
#include "pattern_format.h"

#include <QString>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Pattern {
    const char16_t *text;
    int decimals; // -1: not a pattern the formatter takes
};

constexpr Pattern kPatterns[] = {
    {u"#0.0", 1},
    {u"0.00", 2},
    {u"0", 0},
    {u"#0", 0},
    {u"0.000", 3},
    {u"##0.0000", 4},
    {u"#.0", -1},
    {u"0.#", -1},
    {u"", -1},
    {u".00", -1},
    {u"0.00%", -1},
    {u"0,0.0", -1},
    {u"0.", 0},
    {u"00.0", 1},
    {u"#0.0#", -1},
    {u"0.0000000000000000", -1},
    {u"0.000000000000000", 15},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Pattern &pattern = kPatterns[(data[0] & 0x7f) % std::size(kPatterns)];
    float value = 0;
    if (data[0] & 0x80) {
        const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);
        value = std::strtof(text.c_str(), nullptr);
    } else {
        std::uint8_t bytes[4] = {};
        std::memcpy(bytes, data + 1, std::min<std::size_t>(size - 1, 4));
        value = std::bit_cast<float>(static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16
                                                                | static_cast<std::uint32_t>(bytes[3]) << 24));
    }

    std::u16string actual;
    bool invalidCall = false;
    try {
        actual = numbers::formatSingle(value, QStringView(pattern.text)).toStdU16String();
    } catch (const numbers::CalculationError &error) {
        invalidCall = error.failure() == numbers::Failure::InvalidFormat;
        if (!invalidCall)
            fuzzmodel::fail("formatSingle raised an error other than invalid call", "");
    }

    char detail[160];
    std::snprintf(detail, sizeof detail, "value %.9g (bits %08x), pattern ", value,
                  std::bit_cast<std::uint32_t>(value));
    const std::string where = detail + fuzzmodel::printable(pattern.text);
    if (pattern.decimals < 0) {
        if (!invalidCall)
            fuzzmodel::fail("formatSingle took an unsupported pattern", where);
        return 0;
    }
    if (invalidCall)
        fuzzmodel::fail("formatSingle refused a supported pattern", where);
    const std::u16string expected = fuzzmodel::formatSingle(value, pattern.decimals);
    if (actual != expected)
        fuzzmodel::fail("formatSingle",
                        where + "\nexpected " + fuzzmodel::printable(expected) + ", got "
                            + fuzzmodel::printable(actual));
    return 0;
}
