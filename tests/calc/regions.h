#pragma once

#include "calc/calc.h"

namespace calc::test {

inline const Region decimalComma{",", "."};
inline const Region decimalPoint{".", ","};
inline const Region narrowSpaceGroups{",", "\u202F"};  // three bytes
inline const Region arabic{"\u066B", "\u066C"};        // two bytes each
inline const Region noGroups{",", ""};
inline const Region alike{",", ","};

}  // namespace calc::test
