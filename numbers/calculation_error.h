#pragma once

#include <exception>

namespace numbers {

// A calculation stopped before its result: a number beyond the range, an
// invalid operation or a division by zero. Thrown by the reading, formatting
// and flag checks; the calculators catch it and turn it into their outcome,
// which is the same whatever the cause.
class CalculationError : public std::exception {
public:
    const char *what() const noexcept override { return "calculation failed"; }
};

} // namespace numbers
