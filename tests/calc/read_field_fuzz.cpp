// libFuzzer target: any text either fails as a value or reads to a finite
// number, which its shortest rendering reads back to, bit for bit.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "calc/calc.h"

namespace {

const calc::Region regions[] = {
    {",", "."},
    {".", ","},
    {",", "\xE2\x80\xAF"},     // U+202F
    {"\xD9\xAB", "\xD9\xAC"},  // U+066B, U+066C
    {".", ""},
};

template <class T>
bool sameBits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void require(bool holds) {
    if (!holds) std::abort();
}

// The shortest text that rounds back to the value, with the regional separator.
template <class T>
std::string shortest(T value, const calc::Region& region) {
    char buffer[64];
    std::string text(buffer, std::to_chars(buffer, std::end(buffer), value).ptr);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, region.decimal);
    }
    return text;
}

template <class T, class Read>
void check(std::string_view text, const calc::Region& region, Read read) {
    const auto value = read(text, region);
    if (!value) return;
    require(std::isfinite(*value));
    const auto again = read(shortest(*value, region), region);
    require(again && sameBits(*again, *value));
    // Fifteen digits round the very largest doubles up past the double range.
    const auto written = read(calc::numberText(*value, region), region);
    require(written ||
            (written.error() == calc::Failure::OutOfRange && std::fabs(double{*value}) >= 1.797693134862315e308));
    require(std::isfinite(calc::roundTo2(*value)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const calc::Region& region = regions[data[0] % std::size(regions)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    check<float>(text, region, calc::readField);
    check<double>(text, region, calc::readFieldDouble);
    return 0;
}
