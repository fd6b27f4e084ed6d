// The enriched-air calculator against a re-derivation of its rules.
//
// Input: the oxygen and depth texts separated by '|'. An input starting with
// a zero byte instead gives both formulas two floats directly (8 bytes).

#include "calc_evaluation.h"
#include "enriched_air.h"
#include "models.h"
#include "runtime_error.h"

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
    } catch (const platform::RuntimeError &) {
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

std::string describe(const std::u16string &label14, const std::u16string &label16, bool message)
{
    return "label14=" + fuzzmodel::printable(label14) + " label16=" + fuzzmodel::printable(label16)
        + (message ? " with the message" : " no message");
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
    const std::u16string before14 = u"old14", before16 = u"old16";
    const fuzzmodel::EnrichedAirModel expected = fuzzmodel::enrichedAir(fields[0], fields[1], before14, before16);
    const support::EnrichedAirOutcome actual = support::evaluateEnrichedAir(exactText(fields[0]), exactText(fields[1]),
                                                                            exactText(before14), exactText(before16));
    if (actual.label14.toStdU16String() != expected.label14 || actual.label16.toStdU16String() != expected.label16
        || actual.messageShown != expected.messageShown) {
        fuzzmodel::fail(
            "evaluateEnrichedAir",
            fuzzmodel::printable(fields[0]) + " " + fuzzmodel::printable(fields[1]) + "\nexpected "
                + describe(expected.label14, expected.label16, expected.messageShown) + "\ngot      "
                + describe(actual.label14.toStdU16String(), actual.label16.toStdU16String(), actual.messageShown));
    }
    return 0;
}
