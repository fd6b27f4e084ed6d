#pragma once

#include <QString>

#include <array>

namespace support {

// The calculators' click handlers run on plain texts in a form kept in
// memory, with message boxes recorded: for tests, fuzzers and benchmarks.

// The breathing-rate tab, without a window.
struct BreathingOutcome {
    enum class Kind { Result, Rejected, SilentEnd };
    Kind kind;
    QString result;  // Label7 afterwards
    QString focus;   // the control given the focus, if any
    QString message; // the message shown, if any
};
BreathingOutcome evaluateBreathingRate(const std::array<QString, 5> &texts, const QString &resultBefore = {});

// The enriched-air tab, without a window.
struct EnrichedAirOutcome {
    QString label14;
    QString label16;
    bool messageShown = false;
};
EnrichedAirOutcome evaluateEnrichedAir(const QString &oxygen, const QString &depth, const QString &label14Before = {},
                                       const QString &label16Before = {});

} // namespace support
