#include "game/Casuale.h"

#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"

#include <cmath>
#include <limits>

namespace lumari {

std::int32_t Casuale(const Services& services, std::int32_t maxNumber)
{
    ErrorTrap trap(services.boxes, QStringLiteral("Casuale"), ErrorTrap::Kind::Function);
    std::int32_t result = 0;
    services.random.Randomize();
    // Drawing and scaling are one step: a failing draw leaves the result 0.
    trap([&] {
        const float r = services.random.Next();
        const double value = std::floor(double(r) * double(maxNumber) + 1.0);
        if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
            throw RuntimeError(err::Overflow);
        result = static_cast<std::int32_t>(value);
    });
    return result;
}

}  // namespace lumari
