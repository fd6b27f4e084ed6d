#pragma once

// The floating-point check of the calculators. It reads the processor's sticky
// exception flags, so two things matter more than usual:
//  - the calculators clear the flags before each text they read and between
//    results: the toolkit's own code leaves them set, and a check must only
//    see what arose since then;
//  - the optimiser may move or fold float arithmetic across the flag reads and
//    clears. `pin` stops that: a pinned value is computed before the pin and is
//    read back from memory after it, and the pin is ordered against calls.

namespace numbers::fpcheck {

// Forgets every flag raised so far.
void clearFlags() noexcept;

// Throws CalculationError if invalid operation, division by
// zero or overflow was flagged since the last clearing. Underflow, denormal
// operands and inexact results are not errors here.
void check();

template <class T>
inline void pin(T &value) noexcept
{
    asm volatile("" : "+m"(value) : : "memory");
}

template <class... T>
inline void pinAll(T &...values) noexcept
{
    (pin(values), ...);
}

// Rounds a double to a 32-bit float (to nearest, ties to even) at this very
// point of the program, flags and all.
inline float toSingle(double value) noexcept
{
    pin(value);
    float single = static_cast<float>(value);
    pin(single);
    return single;
}

} // namespace numbers::fpcheck
