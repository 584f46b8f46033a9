#include <cfloat>
#include <charconv>
#include <iterator>
#include <string>

#include "winding/digits.h"
#include "winding/winding.h"

namespace winding {

namespace {

template <class T>
std::string shown(T value, const calc::Region& region) {
    return calc::numberText(calc::roundTo2(value), region);
}

// Serbian counts: 1, 21, 101 take the first form; 2 to 4, 22 to 24 the
// second; the rest, 11 to 14 among them, the third.
std::string counted(int count, const char* one, const char* few, const char* many) {
    const int last = count % 10;
    const int lastTwo = count % 100;
    const char* noun = many;
    if (last == 1 && lastTwo != 11) {
        noun = one;
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        noun = few;
    }
    return std::to_string(count) + " " + noun;
}

}  // namespace

float fourDigits(double value) {
    char text[32];
    const char* end =
        std::to_chars(text, std::end(text), value, std::chars_format::scientific, 3).ptr;
    float shown = FLT_MAX;
    std::from_chars(text, end, shown);
    return shown;
}

std::string turnsCaption(const Winding& w) {
    std::string text = "N = " + counted(w.turns, "namotaj", "namotaja", "namotaja") + " (" +
                       counted(w.layers, "sloj", "sloja", "slojeva");
    if (w.layers > 1) {
        text += " po " + std::to_string(w.perLayer);
        if (w.lastLayer != w.perLayer) text += ", u poslednjem " + std::to_string(w.lastLayer);
    }
    return text + ")";
}

std::string sizeCaption(const Winding& w, const calc::Region& region) {
    std::string text =
        "h = " + shown(w.height, region) + "mm  do = " + shown(w.meanDiameter, region) + "mm";
    if (w.lengthShown) text += "  l = " + shown(w.length, region) + "mm";
    return text;
}

std::string inductanceCaption(const Winding& w, const calc::Region& region) {
    return calc::caption(calc::CoilInductance{w.inductance}, region);
}

std::string copperCaption(const Winding& w, const calc::Region& region) {
    return "zica " + shown(w.wireLength, region) + "m  R = " + shown(w.resistance, region) +
           " oma (20 \u00B0C)  " + shown(w.mass, region) + "g";
}

std::string cutCaption(const Winding& w, const calc::Region& region) {
    return "iseci " + shown(cutLength(w), region) + "m (" + shown(cutMargin * 100, region) +
           " % vise i 2 x " + shown(leadLength * 100, region) + "cm za izvode)";
}

std::string caption(const WireSuggestion& wire, const calc::Region& region) {
    return "I = " + shown(wire.current, region) + "A  d = " + shown(wire.diameter, region) + "mm";
}

std::string inductanceText(float inductance, const calc::Region& region) {
    return calc::numberText(fourDigits(inductance), region);
}

std::string lossCaption(double loss, const calc::Region& region) {
    return "gubitak na kalemu " + shown(loss, region) + " dB";
}

}  // namespace winding
