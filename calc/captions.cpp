#include "calc/calc.h"

namespace calc {

namespace {

// A component value as a caption shows it: rounded to two decimals and
// written in its own kind.
template <class T>
std::string shown(T value, const Region& region) {
    return numberText(roundTo2(value), region);
}

}  // namespace

std::string caption(const LowPass6db& r, const Region& region) {
    return " L = " + shown(r.L, region) + "mH";
}

std::string caption(const LowPass12db& r, const Region& region) {
    return " L = " + shown(r.L, region) + "mH" + "    C = " + shown(r.C, region) + "uF";
}

std::string caption(const BandPass6db& r, const Region& region) {
    return " L = " + shown(r.L, region) + "mH" + "    C = " + shown(r.C, region) + "uF";
}

std::array<std::string, 2> captions(const BandPass12db& r, const Region& region) {
    return {"L1 = " + shown(r.L1, region) + "mH" + "  C1 = " + shown(r.C1, region) + "uF",
            "L2 = " + shown(r.L2, region) + "mH" + "  C2 = " + shown(r.C2, region) + "uF"};
}

std::string caption(const HighPass6db& r, const Region& region) {
    return "    C = " + shown(r.C, region) + "uF";
}

std::string caption(const HighPass12db& r, const Region& region) {
    return " L = " + shown(r.L, region) + "mH" + "    C = " + shown(r.C, region) + "uF";
}

std::string caption(const CoilInductance& r, const Region& region) {
    return "L = " + shown(r.L, region) + "mH";
}

std::string caption(const WireSize& r, const Region& region) {
    return shown(r.d, region) + " mm debljuna zice";
}

std::string sectionCaption(const WireSize& r, const Region& region) {
    return numberText(r.S, region) + " mm kvadratnbih";
}

}  // namespace calc
