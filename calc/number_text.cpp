#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "calc/calc.h"

namespace calc {

namespace {

// P significant digits of the magnitude, rounded once from the exact binary
// value (a tie goes to the even digit), and the decimal exponent X of the
// leading digit.
template <class T, int P>
std::string write(T value, const Region& region) {
    if (value == 0) return "0";
    char buffer[64];
    if (!std::isfinite(value)) return {buffer, std::to_chars(buffer, std::end(buffer), value).ptr};

    // "d.ddde+XX": the leading digit, the P-1 others, and the exponent X.
    const char* end = std::to_chars(buffer, std::end(buffer), std::fabs(value),
                                    std::chars_format::scientific, P - 1)
                          .ptr;
    char digits[P];
    digits[0] = buffer[0];
    std::copy(buffer + 2, buffer + P + 1, digits + 1);
    std::size_t count = P;
    while (digits[count - 1] == '0') --count;  // the leading digit is never 0
    const std::string_view significant(digits, count);
    const char* exponent = buffer + P + 1;
    int X = 0;
    std::from_chars(exponent + 2, end, X);
    if (exponent[1] == '-') X = -X;

    std::string text = value < 0 ? "-" : "";
    if (X >= P || X < -4) {
        text += significant[0];
        if (count > 1) (text += region.decimal) += significant.substr(1);
        text += X < 0 ? "E-" : "E+";
        if (std::abs(X) < 10) text += '0';
        text += std::to_string(std::abs(X));
    } else if (X >= 0) {
        const std::size_t whole = X + 1;
        text += significant.substr(0, whole);
        if (count < whole) text.append(whole - count, '0');
        if (count > whole) (text += region.decimal) += significant.substr(whole);
    } else {
        (text += '0') += region.decimal;
        text.append(-X - 1, '0');
        text += significant;
    }
    return text;
}

}  // namespace

std::string numberText(float value, const Region& region) { return write<float, 7>(value, region); }

std::string numberText(double value, const Region& region) {
    return write<double, 15>(value, region);
}

}  // namespace calc
