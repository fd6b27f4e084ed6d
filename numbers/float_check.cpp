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
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0)
        throw CalculationError();
}

} // namespace numbers::fpcheck
