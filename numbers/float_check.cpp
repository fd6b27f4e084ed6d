#include "float_check.h"

#include "calculation_error.h"

#include <cfenv>

namespace numbers::fpcheck {

void clearFlags() noexcept
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void check()
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised == 0)
        return;
    throw numbers::CalculationError((raised & FE_DIVBYZERO) && !(raised & (FE_INVALID | FE_OVERFLOW))
                                        ? numbers::Failure::DivisionByZero
                                        : numbers::Failure::Overflow);
}

} // namespace numbers::fpcheck
