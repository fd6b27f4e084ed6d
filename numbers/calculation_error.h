#pragma once

#include <exception>

namespace numbers {

// Why a calculation stopped before its result.
enum class Failure {
    Overflow,       // a number beyond the range, or an invalid operation
    DivisionByZero, // a division by zero and nothing worse
    InvalidFormat,  // a result pattern the formatter does not know
};

// Thrown by the reading, formatting and flag checks; the calculators catch it
// and turn it into their outcome.
class CalculationError : public std::exception {
public:
    explicit CalculationError(Failure failure) noexcept : failure_(failure) {}
    Failure failure() const noexcept { return failure_; }
    const char *what() const noexcept override { return "calculation failed"; }

private:
    Failure failure_;
};

} // namespace numbers
