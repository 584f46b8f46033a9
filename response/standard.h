#pragma once

#include <optional>

#include "response/network.h"

namespace response {

// Standard capacitor values: the nearest member of the E12 or E24 series on a
// log scale, in any decade; nothing for zero, negative or non-finite values.
enum class Series { E12, E24 };
std::optional<double> nearestStandard(double value, Series);

// A correction's parts as a builder buys them: capacitors of the series given,
// resistors of the E24, coils as they are (wound to measure).
driver::Correction standardOf(const driver::Correction&, Series capacitors);

// The same network with every capacitor replaced by its nearest standard value
// and its corrections by standardOf (coils stay). Parts without a standard
// value stay as they are.
Network withStandardParts(const Network&, Series capacitors);

}  // namespace response
