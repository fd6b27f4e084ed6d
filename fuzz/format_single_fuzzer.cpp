// The two result formats against exact decimal arithmetic on the float's value.
//
// Input: one byte choosing the format (its low bit: one or two decimals), then
// either the float's four bytes (little-endian) or, when the choosing byte has
// its high bit set, decimal text read with strtof, so that near-ties such as
// 0.525 are easy to reach.

#include "calculation_error.h"
#include "models.h"
#include "result_format.h"

#include <QString>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int decimals = 1 + (data[0] & 1);
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
    bool refused = false;
    try {
        actual =
            (decimals == 1 ? numbers::formatOneDecimal(value) : numbers::formatTwoDecimals(value)).toStdU16String();
    } catch (const numbers::CalculationError &) {
        refused = true;
    }

    char detail[160];
    std::snprintf(detail, sizeof detail, "value %.9g (bits %08x), %d decimals", value,
                  std::bit_cast<std::uint32_t>(value), decimals);
    // Not a number is no result; every other value is one.
    if (refused != std::isnan(value))
        fuzzmodel::fail(refused ? "formatting refused a number" : "formatting took not a number", detail);
    if (refused)
        return 0;
    const std::u16string expected = fuzzmodel::formatSingle(value, decimals);
    if (actual != expected)
        fuzzmodel::fail("result format",
                        std::string(detail) + "\nexpected " + fuzzmodel::printable(expected) + ", got "
                            + fuzzmodel::printable(actual));
    return 0;
}
