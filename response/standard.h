#pragma once

#include <optional>

#include "response/network.h"

namespace response {

// Standard capacitor values: the nearest member of the E12 or E24 series on a
// log scale, in any decade; nothing for zero, negative or non-finite values.
enum class Series { E12, E24 };
std::optional<double> nearestStandard(double value, Series);

// The same network with every capacitor replaced by its nearest standard value
// (coils stay: they are wound to measure). Capacitors without a standard value
// stay as they are.
Network withStandardCapacitors(const Network&, Series);

}  // namespace response
