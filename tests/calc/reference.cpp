#include "tests/calc/reference.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace reference {

namespace {

std::string withoutTrailingZeros(std::string text) {
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

}  // namespace

std::string numberText(double value, int precision, std::string_view decimal) {
    if (value == 0) return "0";
    // "d.ddd...e+X": the leading digit, the others, and the exponent of the first.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    const std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int x = std::atoi(text.c_str() + e + 1);
    const std::string sign = value < 0 ? "-" : "";
    if (x >= precision || x < -4) {
        const std::string rest = withoutTrailingZeros(digits.substr(1));
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", x < 0 ? '-' : '+', std::abs(x));
        return sign + digits[0] + (rest.empty() ? "" : std::string(decimal) + rest) + exponent;
    }
    // Lay the digits out with a point, then drop the zeros and a bare point.
    std::string fixed = x >= 0 ? digits : std::string(-x, '0') + digits;
    fixed.insert(x >= 0 ? x + 1 : 1, ".");
    fixed = withoutTrailingZeros(fixed);
    if (fixed.back() == '.') fixed.pop_back();
    if (const std::size_t at = fixed.find('.'); at != std::string::npos) fixed.replace(at, 1, decimal);
    return sign + fixed;
}

double roundTo2(double value) {
    const double s = value * 100;
    if (!std::isfinite(s)) return value;
    return std::nearbyint(s) / 100;  // in the default rounding mode a tie goes to the even neighbour
}

float roundTo2(float value) { return static_cast<float>(roundTo2(static_cast<double>(value))); }

}  // namespace reference
