#include "tests/calc/reference.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace reference {

namespace {

// A natural number in base 10^9, least significant limb first; 5^1074 · 2^53
// needs 86 limbs.
class Natural {
public:
    explicit Natural(std::uint64_t value) {
        for (; value != 0; value /= base) limbs_[size_++] = value % base;
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = product % base;
            carry = product / base;
        }
        for (; carry != 0; carry /= base) limbs_[size_++] = carry % base;
    }

    // Multiplies by base^count with factors that keep each limb product in 64 bits.
    void multiplyByPower(std::uint32_t base, int count, std::uint32_t chunk, int chunkCount) {
        for (; count >= chunkCount; count -= chunkCount) multiply(chunk);
        for (; count > 0; --count) multiply(base);
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_[size_ - 1]);
        for (int i = size_ - 2; i >= 0; --i) {
            char group[9];
            for (std::uint32_t limb = limbs_[i], at = 9; at-- > 0; limb /= 10) {
                group[at] = static_cast<char>('0' + limb % 10);
            }
            text.append(group, 9);
        }
        return text;
    }

private:
    static constexpr std::uint64_t base = 1'000'000'000;
    std::array<std::uint32_t, 96> limbs_{};
    int size_ = 0;
};

// The digits rounded to `precision` significant ones, halves to even.
Expansion rounded(Expansion exact, int precision) {
    std::string& d = exact.digits;
    d.resize(std::max<std::size_t>(d.size(), precision + 1), '0');
    const bool beyondHalf = d.find_first_not_of('0', precision + 1) != std::string::npos;
    const bool up = d[precision] > '5' || (d[precision] == '5' && (beyondHalf || (d[precision - 1] - '0') % 2 == 1));
    d.resize(precision);
    int i = precision - 1;
    for (; up && i >= 0 && d[i] == '9'; --i) d[i] = '0';
    if (up && i >= 0) ++d[i];
    if (up && i < 0) {  // 9...9 carries to 10...0
        d = '1' + d.substr(0, precision - 1);
        ++exact.leading;
    }
    return exact;
}

std::string withoutTrailingZeros(std::string text) {
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

}  // namespace

Expansion exactDecimal(double magnitude) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = biased == 0 ? -1074 : biased - 1075;
    if (biased != 0) mantissa |= std::uint64_t{1} << 52;

    // m · 2^k, or m · 2^-k = m · 5^k / 10^k
    Natural n(mantissa);
    if (exponent >= 0) n.multiplyByPower(2, exponent, 1u << 29, 29);
    if (exponent < 0) n.multiplyByPower(5, -exponent, 1'220'703'125u, 13);
    const std::string digits = n.digits();
    return {withoutTrailingZeros(digits), static_cast<int>(digits.size()) - 1 + std::min(exponent, 0)};
}

std::string numberText(double value, int precision, std::string_view decimal) {
    if (value == 0) return "0";
    const Expansion r = rounded(exactDecimal(std::fabs(value)), precision);
    const std::string sign = value < 0 ? "-" : "";
    const int x = r.leading;
    if (x >= precision || x < -4) {
        const std::string rest = withoutTrailingZeros(r.digits.substr(1));
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", x < 0 ? '-' : '+', std::abs(x));
        return sign + r.digits[0] + (rest.empty() ? "" : std::string(decimal) + rest) + exponent;
    }
    // Lay the digits out with a point, then drop the zeros and a bare point.
    std::string fixed = x >= 0 ? r.digits : std::string(-x, '0') + r.digits;
    const std::size_t point = x >= 0 ? x + 1 : 1;
    fixed.insert(point, ".");
    fixed = withoutTrailingZeros(fixed);
    if (fixed.back() == '.') fixed.pop_back();
    const std::size_t at = fixed.find('.');
    if (at != std::string::npos) fixed.replace(at, 1, decimal);
    return sign + fixed;
}

double roundTo2(double value) {
    const double s = value * 100;
    if (!std::isfinite(s)) return value;
    return std::nearbyint(s) / 100;  // in the default rounding mode a tie goes to the even neighbour
}

float roundTo2(float value) { return static_cast<float>(roundTo2(static_cast<double>(value))); }

}  // namespace reference
