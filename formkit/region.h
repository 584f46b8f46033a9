#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

#include "calc/calc.h"

namespace formkit {

// The separators of a locale; the C locale has no regional settings, and the
// decimal comma with digit-group point stands in, the setting the default
// texts are written for.
calc::Region regionOf(const QLocale& locale);

// The user's regional settings, read afresh on every call.
calc::Region userRegion();

// A default text as the user's settings write it: a number written with a
// decimal comma ("4,5") takes the regional decimal separator; any other text
// stands as it is.
QString regionalDefault(std::string_view text, const calc::Region& region);

}  // namespace formkit
