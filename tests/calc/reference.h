#pragma once

#include <string>
#include <string_view>

// An independent model of the number writing of calc, built on the C
// library's printf (exact for every binary value, an exact tie to the even
// digit) instead of the library's conversions, and of its rounding to hundredths.
namespace reference {

// numberText for a finite value written with `precision` significant digits.
std::string numberText(double value, int precision, std::string_view decimal);

// roundTo2: the product by 100 and the quotient by 100 are the IEEE steps of the
// algorithm; the nearest whole number is the processor's own rounding of the product.
double roundTo2(double value);
float roundTo2(float value);

}  // namespace reference
