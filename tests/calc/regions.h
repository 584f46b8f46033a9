#pragma once

#include "calc/calc.h"

namespace calc::test {

inline const Region decimalComma{",", "."};
inline const Region decimalPoint{".", ","};
inline const Region narrowSpaceGroups{",", "\xE2\x80\xAF"};  // U+202F, three bytes

}  // namespace calc::test
