// The enriched-air calculator against a re-derivation of its rules.
//
// Input: the oxygen and depth texts separated by '|'. An input starting with
// a zero byte instead gives both formulas two floats directly (8 bytes).

#include "calculation_error.h"
#include "enriched_air.h"
#include "models.h"

#include <bit>
#include <cfenv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

// The text exactly as given: QString::fromStdU16String would drop a leading
// byte order mark, which a pasted text can carry.
QString exactText(const std::u16string &text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
}

template <class Formula, class Model>
void checkFormula(const char *name, Formula formula, Model model, float oxygen, float depth)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::optional<float> expected = model(oxygen, depth);
    std::optional<float> actual;
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        actual = formula(oxygen, depth);
    } catch (const numbers::CalculationError &) {
    }
    const bool same = expected.has_value() == actual.has_value()
        && (!expected || std::bit_cast<std::uint32_t>(*expected) == std::bit_cast<std::uint32_t>(*actual));
    if (!same) {
        char detail[200];
        std::snprintf(detail, sizeof detail, "oxygen %a depth %a: expected %s%a, got %s%a", oxygen, depth,
                      expected ? "" : "error ", expected.value_or(0), actual ? "" : "error ", actual.value_or(0));
        fuzzmodel::fail(name, detail);
    }
}

std::string describe(const std::optional<std::u16string> &depth, const std::optional<std::u16string> &pressure,
                     bool message)
{
    const auto shown = [](const std::optional<std::u16string> &text) {
        return text ? fuzzmodel::printable(*text) : std::string("(not reached)");
    };
    return "depth=" + shown(depth) + " pressure=" + shown(pressure) + (message ? " with the message" : " no message");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 0 && data[0] == 0) {
        float v[2] = {};
        std::memcpy(v, data + 1, std::min(size - 1, sizeof v));
        checkFormula("equivalentAirDepth", calc::equivalentAirDepth, fuzzmodel::equivalentAirDepth, v[0], v[1]);
        checkFormula("oxygenPartialPressure", calc::oxygenPartialPressure, fuzzmodel::oxygenPartialPressure, v[0],
                     v[1]);
        return 0;
    }
    const auto fields = fuzzmodel::fieldsFromBytes<2>(data, size);
    const fuzzmodel::EnrichedAirModel expected = fuzzmodel::enrichedAir(fields[0], fields[1]);
    const calc::EnrichedAirOutcome outcome = calc::calculateEnrichedAir(exactText(fields[0]), exactText(fields[1]));
    const auto wide = [](const std::optional<QString> &text) {
        return text ? std::optional(text->toStdU16String()) : std::nullopt;
    };
    const fuzzmodel::EnrichedAirModel actual{wide(outcome.depth), wide(outcome.pressure), !outcome.message.isEmpty()};
    if (actual.depth != expected.depth || actual.pressure != expected.pressure
        || actual.messageShown != expected.messageShown) {
        fuzzmodel::fail("calculateEnrichedAir",
                        fuzzmodel::printable(fields[0]) + " " + fuzzmodel::printable(fields[1]) + "\nexpected "
                            + describe(expected.depth, expected.pressure, expected.messageShown) + "\ngot      "
                            + describe(actual.depth, actual.pressure, actual.messageShown));
    }
    return 0;
}
