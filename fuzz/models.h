#pragma once

// Reference models the fuzz targets compare the program against. They are
// written from the documented rules alone, deliberately in a different way
// from the program (strtod instead of from_chars, exact big-number decimals
// instead of to_chars, the C floating-point environment instead of the
// number library's check), so that a shared mistake is unlikely.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fuzzmodel {

// Stops the fuzzer with a readable report; libFuzzer then saves the input.
[[noreturn]] void fail(std::string_view what, std::string_view detail);

// The fuzzer's bytes as UTF-16 text. ASCII stays itself; the other byte values
// stand for characters a user could paste that look like parts of a number
// (full-width digits and signs, other scripts' digits, other blanks), so that
// short inputs reach them.
std::u16string textFromBytes(const std::uint8_t *data, std::size_t size);

// The fields of an input separated by '|', each decoded as above; fields past
// the end are empty.
template <std::size_t N>
std::array<std::u16string, N> fieldsFromBytes(const std::uint8_t *data, std::size_t size)
{
    std::array<std::u16string, N> fields;
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && field < N; ++i) {
        if (i == size || data[i] == '|') {
            fields[field++] = textFromBytes(data + start, i - start);
            start = i + 1;
        }
    }
    return fields;
}

std::string printable(std::u16string_view text);

// The number a text starts with; nullopt when it lies beyond the double range
// (the conversion's overflow error).
std::optional<double> leadingNumber(std::u16string_view text);

// A float shown with `decimals` decimals: the exact value rounded to 7
// significant digits (ties to even, as a correctly rounded decimal form), then
// half away from zero to the decimals. A negative value keeps its minus sign
// even when it rounds to zero; an exact zero of either sign has none.
// Not for not a number, which is no result.
std::u16string formatSingle(float value, int decimals);

// The calculators' arithmetic on 32-bit operands; nullopt when the
// floating-point check fails. They see the flags the caller left raised.
std::optional<float> breathingCore(float start, float end, float volume, float depth, float time);
std::optional<float> equivalentAirDepth(float oxygenPercent, float depth);
std::optional<float> oxygenPartialPressure(float oxygenPercent, float depth);

// The breathing-rate calculation on five texts.
struct BreathingModel {
    enum class Kind { Result, Rejected, SilentEnd };
    Kind kind;
    std::u16string result;
    int rejected; // the input not accepted, counted from 0; -1 when none was
    std::u16string message;
};
BreathingModel breathingRate(const std::array<std::u16string, 5> &texts);

// The enriched-air calculation on two texts: the results reached, and whether
// it ends with the message.
struct EnrichedAirModel {
    std::optional<std::u16string> depth;
    std::optional<std::u16string> pressure;
    bool messageShown;
};
EnrichedAirModel enrichedAir(const std::u16string &oxygen, const std::u16string &depth);

} // namespace fuzzmodel
