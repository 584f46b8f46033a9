#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>

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

    const char* end = std::to_chars(buffer, std::end(buffer), std::fabs(value),
                                    std::chars_format::scientific, P - 1)
                          .ptr;
    std::string digits(1, buffer[0]);
    const char* exponent = buffer + 1;
    if (P > 1) {
        digits.append(buffer + 2, P - 1);
        exponent = buffer + 1 + P;
    }
    int X = 0;
    std::from_chars(exponent + 2, end, X);  // after the 'e' and its sign
    if (exponent[1] == '-') X = -X;
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = value < 0 ? "-" : "";
    if (X >= P || X < -4) {
        text += digits[0];
        if (digits.size() > 1) text += region.decimal + digits.substr(1);
        text += X < 0 ? "E-" : "E+";
        if (std::abs(X) < 10) text += '0';
        text += std::to_string(std::abs(X));
    } else if (X >= 0) {
        const std::size_t whole = X + 1;
        if (digits.size() < whole) digits.resize(whole, '0');
        text += digits.substr(0, whole);
        if (digits.size() > whole) text += region.decimal + digits.substr(whole);
    } else {
        text += "0" + region.decimal + std::string(-X - 1, '0') + digits;
    }
    return text;
}

}  // namespace

std::string numberText(float value, const Region& region) { return write<float, 7>(value, region); }

std::string numberText(double value, const Region& region) {
    return write<double, 15>(value, region);
}

}  // namespace calc
