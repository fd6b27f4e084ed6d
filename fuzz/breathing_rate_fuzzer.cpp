// The breathing-rate calculator against a re-derivation of its rules.
//
// Input: the five box texts separated by '|', as the user could type them.
// An input starting with a zero byte instead gives the arithmetic core five
// floats directly (20 bytes), reaching values no text rounds to.

#include "breathing_rate.h"
#include "calculation_error.h"
#include "models.h"

#include <QString>

#include <bit>
#include <cfenv>
#include <cmath>
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

std::string describe(const fuzzmodel::BreathingModel &m)
{
    static const char *const kKinds[] = {"result", "rejected", "silent end"};
    return std::string(kKinds[static_cast<int>(m.kind)]) + " result=" + fuzzmodel::printable(m.result)
        + " rejected=" + std::to_string(m.rejected) + " message=" + fuzzmodel::printable(m.message);
}

void checkCore(const std::uint8_t *data, std::size_t size)
{
    float v[5] = {};
    std::memcpy(v, data, std::min(size, sizeof v));
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::optional<float> expected = fuzzmodel::breathingCore(v[0], v[1], v[2], v[3], v[4]);
    std::optional<float> actual;
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        actual = calc::breathingRate(v[0], v[1], v[2], v[3], v[4]);
    } catch (const numbers::CalculationError &) {
    }
    const bool same = expected.has_value() == actual.has_value()
        && (!expected || std::bit_cast<std::uint32_t>(*expected) == std::bit_cast<std::uint32_t>(*actual));
    if (!same) {
        char detail[256];
        std::snprintf(detail, sizeof detail, "inputs %a %a %a %a %a: expected %s%a, got %s%a", v[0], v[1], v[2], v[3],
                      v[4], expected ? "" : "error ", expected.value_or(0), actual ? "" : "error ", actual.value_or(0));
        fuzzmodel::fail("breathingRate core", detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 0 && data[0] == 0) {
        checkCore(data + 1, size - 1);
        return 0;
    }
    const auto fields = fuzzmodel::fieldsFromBytes<5>(data, size);
    calc::BreathingTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = exactText(fields[k]);

    const fuzzmodel::BreathingModel expected = fuzzmodel::breathingRate(fields);
    const calc::BreathingRateOutcome outcome = calc::calculateBreathingRate(texts);
    using End = calc::BreathingRateOutcome::End;
    const fuzzmodel::BreathingModel actual{
        outcome.end == End::Result         ? fuzzmodel::BreathingModel::Kind::Result
            : outcome.end == End::Rejected ? fuzzmodel::BreathingModel::Kind::Rejected
                                           : fuzzmodel::BreathingModel::Kind::SilentEnd,
        outcome.result.toStdU16String(), outcome.end == End::Rejected ? static_cast<int>(outcome.rejected) : -1,
        outcome.message.toStdU16String()};
    if (actual.kind != expected.kind || actual.result != expected.result || actual.rejected != expected.rejected
        || actual.message != expected.message) {
        std::string inputs;
        for (const auto &field : fields)
            inputs += fuzzmodel::printable(field) + " ";
        fuzzmodel::fail("calculateBreathingRate",
                        inputs + "\nexpected " + describe(expected) + "\ngot      " + describe(actual));
    }
    return 0;
}
