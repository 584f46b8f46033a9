// libFuzzer target: any text either fails as a value or reads to a finite
// number, which its shortest rendering reads back to, bit for bit.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "calc/calc.h"

namespace {

const calc::Region regions[] = {
    {",", "."}, {".", ","}, {",", "\u202F"}, {"\u066B", "\u066C"}, {".", ""},
};

void require(bool holds) {
    if (!holds) std::abort();
}

template <class T, class Read>
void check(std::string_view text, const calc::Region& region, Read read) {
    const auto value = read(text, region);
    if (!value) return;
    require(std::isfinite(*value));
    // The shortest text that rounds back to the value, with the regional separator.
    char buffer[64];
    std::string shortest(buffer, std::to_chars(buffer, std::end(buffer), *value).ptr);
    if (const auto point = shortest.find('.'); point != std::string::npos) shortest.replace(point, 1, region.decimal);
    const auto again = read(shortest, region);
    require(again && std::memcmp(&*again, &*value, sizeof(T)) == 0);
    // Fifteen digits round the very largest doubles up past the double range.
    const auto written = read(calc::numberText(*value, region), region);
    require(written ||
            (written.error() == calc::FaultKind::OutOfRange && std::fabs(double{*value}) >= 1.797693134862315e308));
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
