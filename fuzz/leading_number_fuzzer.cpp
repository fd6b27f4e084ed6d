// The numeric-prefix conversion against strtod on the prefix the model scans.

#include "calculation_error.h"
#include "models.h"
#include "numeric_text.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzzmodel::textFromBytes(data, size);
    // An exactly sized copy, so that AddressSanitizer sees any read past the
    // view's end (a QString would hide it behind its terminating zero).
    const auto exact = std::make_unique<char16_t[]>(text.size());
    std::copy(text.begin(), text.end(), exact.get());
    const QStringView view(exact.get(), static_cast<qsizetype>(text.size()));

    const std::optional<double> expected = fuzzmodel::leadingNumber(text);
    std::optional<double> actual;
    try {
        actual = numbers::leadingNumber(view);
    } catch (const numbers::CalculationError &) {
        // Overflow: compared with the model's below.
    }

    // Bit for bit: the sign of a zero counts too.
    const bool same = expected.has_value() == actual.has_value()
        && (!expected || (*expected == *actual && std::signbit(*expected) == std::signbit(*actual)));
    if (!same) {
        char detail[128];
        std::snprintf(detail, sizeof detail, "\nexpected %s%.17g, got %s%.17g", expected ? "" : "overflow ",
                      expected.value_or(0), actual ? "" : "overflow ", actual.value_or(0));
        fuzzmodel::fail("leadingNumber", fuzzmodel::printable(text) + detail);
    }
    return 0;
}
