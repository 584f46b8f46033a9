#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

#include "calc/calc.h"

namespace calc {

namespace {

// A decimal number as read: digits × 10^exponent, the digits without leading
// or trailing zeros (none at all for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// Far beyond any exponent a double can reach, yet safe from overflow while
// adding the count of digits of a field.
constexpr long long exponentLimit = 1'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }

    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    bool takeOneOf(std::string_view chars, char& taken) {
        if (rest_.empty() || chars.find(rest_.front()) == std::string_view::npos) return false;
        taken = rest_.front();
        rest_.remove_prefix(1);
        return true;
    }

    bool takeDigit(char& digit) { return takeOneOf("0123456789", digit); }

    bool atDigit() const { return !rest_.empty() && isDigit(rest_.front()); }

private:
    std::string_view rest_;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The field's grammar: sign, whole part with group separators anywhere in it,
// decimal separator and fraction, exponent; at least one digit; nothing more.
std::optional<Decimal> parse(std::string_view text, const Region& region) {
    Reader reader(trimmed(text));
    Decimal number;
    char c = 0;
    if (reader.takeOneOf("+-", c)) number.negative = c == '-';

    std::string digits;
    long long fractionDigits = 0;
    while (true) {
        if (reader.take(region.decimal)) {  // before the group separator, which may look alike
            while (reader.takeDigit(c)) {
                digits += c;
                ++fractionDigits;
            }
            break;
        }
        if (reader.takeDigit(c)) {
            digits += c;
        } else if (!reader.take(region.group)) {
            break;
        }
    }
    if (digits.empty()) return std::nullopt;

    long long exponent = 0;
    if (reader.takeOneOf("Ee", c)) {
        bool negativeExponent = false;
        if (reader.takeOneOf("+-", c)) negativeExponent = c == '-';
        if (!reader.atDigit()) return std::nullopt;
        while (reader.takeDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), exponentLimit);
        if (negativeExponent) exponent = -exponent;
    }
    if (!reader.atEnd()) return std::nullopt;

    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return number;
    const auto last = digits.find_last_not_of('0');
    number.digits = digits.substr(first, last + 1 - first);
    number.exponent = exponent - fractionDigits + static_cast<long long>(digits.size() - 1 - last);
    return number;
}

// Rounds once, from the decimal digits to the nearest T. A magnitude too small
// for T gives a zero of the number's sign; one too large is out of range.
template <class T>
Result<T> nearest(const Decimal& number) {
    const T zero = number.negative ? -T{0} : T{0};
    if (number.digits.empty()) return zero;
    const long long leading = number.exponent + static_cast<long long>(number.digits.size()) - 1;
    if (leading > 400) return std::unexpected(FaultKind::OutOfRange);
    if (leading < -400) return zero;

    const std::string text = number.digits + 'e' + std::to_string(number.exponent);
    T magnitude{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (leading < 0) return zero;
        return std::unexpected(FaultKind::OutOfRange);
    }
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::unexpected(FaultKind::NotANumber);
    }
    return number.negative ? -magnitude : magnitude;
}

template <class T>
Result<T> read(std::string_view text, const Region& region) {
    const auto number = parse(text, region);
    if (!number) return std::unexpected(FaultKind::NotANumber);
    return nearest<T>(*number);
}

}  // namespace

Result<float> readField(std::string_view text, const Region& region) {
    return read<float>(text, region);
}

Result<double> readFieldDouble(std::string_view text, const Region& region) {
    return read<double>(text, region);
}

}  // namespace calc
