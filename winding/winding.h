#pragma once

// Winding a coil to a target inductance, and choosing its wire.
//
// Fields in: the window reads its fields with calc::readField and fills a Coil
// (or the three figures of suggestWire). Numbers through: wind finds the
// smallest whole number of turns whose coil, wound side by side at the wire's
// diameter over the enamel, layer upon layer along the winding length,
// reaches the target by the coil form's own calc::coilInductance; it figures
// the copper of that coil and the inductance of a few turns either side.
// suggestWire sizes the wire for an amplifier's current with the wire-gauge
// form's calc::wireSize. Either gives all of its figures or one BadField
// naming the field to fix. Captions out: the caption functions write the
// figures by the user's calc::Region, rounded to two decimals like every other
// caption.

#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc.h"

namespace winding {

// The most turns a winding may have; a target that needs more is unreachable.
inline constexpr int maxTurns = 100'000;

// The thinnest and the thickest winding wire suggested, mm: the ends of the
// grade 1 sizes of IEC 60317-0-1.
inline constexpr double thinnestWire = 0.02;
inline constexpr double thickestWire = 5;

struct Coil {          // the coil fields of the window
    float inductance;  // L, the target, mH
    float former;      // D, former diameter, mm ("precnik tela")
    float length;      // l, winding length, mm ("duzina namotaja")
    float wire;        // dz, copper diameter, mm ("precnik zice"): resistance and mass
    // dl, diameter over the enamel, mm ("precnik preko laka"): the pitch of the
    // turns and layers; none where the field is left empty, overallDiameter(dz)
    std::optional<float> outer{};
};

// The coil wound where nobody chose another: on a 30 mm former, 20 mm long, of 1 mm copper wire.
Coil defaultCoil(float millihenry);

// The greatest overall diameter of grade 1 enamelled copper wire (IEC
// 60317-0-1) of a copper diameter, to four significant digits, mm: 1.062 for
// 1 mm. Between the standard sizes the enamel's increment is interpolated.
float overallDiameter(float copper);

// A coil of a few turns more or fewer, wound the same way.
struct Neighbour {
    int turns;
    int layers;
    float inductance;  // mH
};

struct Winding {
    int turns;           // N, the smallest whole number of turns that reaches the target
    int perLayer;        // k = floor(l / dl) of the decimals typed, at most maxTurns
    int layers;          // m = ceil(N / k)
    int lastLayer;       // turns in the last layer, == perLayer when it is full
    float height;        // h = m * dl, as its caption shows it
    float meanDiameter;  // d0 = D + h, as its caption shows it
    float length;        // l, or in one layer N * dl, as its caption shows it
    bool lengthShown;    // that length is not the l typed, so the size caption shows it
    float inductance;    // calc::coilInductance(N, d0, l, h) of these N, d0, l and h, mH
    double wireLength;   // m: layer j holds its turns at diameter D + (2j - 1) * dl
    double resistance;   // ohm at 20 degrees C, annealed copper 1/58 ohm mm^2/m
    double mass;         // g, annealed copper 8.89 g/cm^3
    // N - 2 to N + 2, those of 1 to maxTurns turns whose inductance is in range
    std::vector<Neighbour> around;
};

enum class Field { Inductance, Former, Length, Wire, Outer, Power, Impedance, Density };

enum class Problem {
    NotPositive,            // zero, below zero or not finite
    Negative,               // below zero or not finite, where zero is allowed
    OuterBelowCopper,       // dl is less than dz
    WireThickerThanLength,  // not one turn fits the winding length
    LayerTooLong,           // more than maxTurns turns fit the winding length
    Unreachable,            // no coil of at most maxTurns turns reaches the target
    Overflow,               // a step beyond the single range
    BelowThinnestWire,      // the wire suggested is thinner than thinnestWire
    AboveThickestWire,      // the wire suggested is thicker than thickestWire
};

struct BadField {
    Problem problem;
    Field field;  // the field the user should fix

    bool operator==(const BadField&) const = default;
};

// The answer is the true smallest number of turns, even where a new layer
// lowers the inductance. Turns that fit one layer are as long as they lie, not
// l. Typing N, d0, l and h as the captions show them into the coil form gives
// the same "L = ..." caption. Failures name a coil field, the one that sets
// the pitch (Outer where dl is typed, else Wire) for a failure the pitch
// drives; a non-positive field is named before any other failure, the first
// of them in that order.
std::expected<Winding, BadField> wind(const Coil& coil);

struct WireSuggestion {
    double current;    // I = sqrt(P / Z), A
    double diameter;   // d = calc::wireSize(I, J).d, mm
    double roundedUp;  // the next 0.1 mm at or above d as its caption shows it (1.46 and 1.50: 1.5)
};

// P (W) must not be negative, Z (ohm) and J (A/mm^2) must be positive, and
// the diameter, as its caption shows it, must lie between the thinnest and the
// thickest wire. Failures name the Power, Impedance or Density field: for a
// wire out of bounds, the one that pushes it furthest out.
std::expected<WireSuggestion, BadField> suggestWire(double power, double impedance, double density);

// The wire to cut for a winding, m: its length, a tenth more for turns that do not lie tight and
// for the start of each layer, and a lead at either end.
inline constexpr double cutMargin = 0.1;
inline constexpr double leadLength = 0.15;  // m
double cutLength(const Winding& winding);

// The level, in dB, that a coil of the given resistance costs in series with a
// loudspeaker: 20 * log10(Z / (Z + R)), for Z > 0 and R >= 0.
double seriesLoss(double impedance, double resistance);

// Each caption as the window shows it, here under a decimal comma.
// "N = 80 namotaja (4 sloja po 20)", "N = 85 namotaja (5 slojeva po 20, u poslednjem 5)",
// "N = 15 namotaja (1 sloj)": whole numbers only, the same in every region.
std::string turnsCaption(const Winding& winding);
// "h = 4mm  do = 34mm", and where one layer is shorter than l typed,
// "h = 0,2mm  do = 30,2mm  l = 11,2mm"
std::string sizeCaption(const Winding& winding, const calc::Region& region);
// "L = 0,18mH", the coil form's own caption
std::string inductanceCaption(const Winding& winding, const calc::Region& region);
// "zica 8,62m  R = 0,19 oma (20 °C)  60,16g"
std::string copperCaption(const Winding& winding, const calc::Region& region);
// "iseci 9,78m (10 % vise i 2 x 15cm za izvode)"
std::string cutCaption(const Winding& winding, const calc::Region& region);
// "I = 5A  d = 1,46mm"
std::string caption(const WireSuggestion& wire, const calc::Region& region);
// "0,1804": a neighbour's inductance in mH, to four significant digits, so
// that one turn more or fewer shows
std::string inductanceText(float inductance, const calc::Region& region);
// "gubitak na kalemu -0,4 dB", of a seriesLoss
std::string lossCaption(double loss, const calc::Region& region);

}  // namespace winding
