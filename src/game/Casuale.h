#pragma once

#include <cstdint>

namespace lumari {

struct Services;

// A whole number from 1 to maxNumber, each about equally likely; the generator
// is reseeded from the clock first. 0 when the calculation fails (reported
// through the error trap of the function Casuale).
std::int32_t Casuale(const Services& services, std::int32_t maxNumber);

}  // namespace lumari
