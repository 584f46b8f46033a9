#include "response/response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "driver/driver.h"

namespace response {
namespace {

using Complex = std::complex<double>;
using std::nullopt;
using enum Topology;
constexpr double pi = std::numbers::pi, inf = std::numeric_limits<double>::infinity();

// A network built by hand, its parts in caption order (a coil in mH, then a capacitor in uF, in
// turn; the tweeter 6 dB's one part is a capacitor) into a load of R ohm.
Network net(Topology topology, const std::vector<double>& values, double R) {
    Network network{topology, {}, R};
    for (std::size_t i = 0; i < values.size(); ++i) {
        network.parts.push_back({"", i % 2 == 1 || topology == HighPass6db, values[i]});
    }
    return network;
}

// Second-order Butterworth parts for a corner fc into R.
Network butterworth(Topology topology, double fc, double R) {
    return net(topology, {std::numbers::sqrt2 * R / (2 * pi * fc) * 1e3, 1e6 / (2 * std::numbers::sqrt2 * pi * fc * R)},
               R);
}

std::vector<Point> evaluated(const Network& network, const std::vector<double>& f) {
    std::vector<Point> out(f.size());
    evaluate(network, f, out);
    return out;
}

using Shown = std::vector<std::tuple<std::string, bool, double>>;

Shown shown(const Network& network) {
    Shown parts;
    for (const Part& p : network.parts) parts.emplace_back(p.name, p.capacitor, p.value);
    return parts;
}

// The parts with the captions' two decimals from 1 up and three significant digits below (0,0636 where
// the caption shows 0,06), each rounded in its own kind (a single value widens with its single rounding:
// 1.8f, not 1.8).
TEST(NetworkOf, PartsWithThreeSignificantDigits) {
    EXPECT_EQ(shown(networkOf(*calc::lowPass6db(500, 4), 4)), (Shown{{"L", false, 1.27f}}));
    EXPECT_EQ(shown(networkOf(*calc::lowPass6db(10000, 4), 4)), (Shown{{"L", false, 0.0636f}}));
    EXPECT_EQ(shown(networkOf(*calc::bandPass12db(500, 5000, 4), 4)),
              (Shown{{"L1", false, 1.8f}, {"C1", true, 56.0}, {"L2", false, 0.18f}, {"C2", true, 5.6}}));
    EXPECT_EQ(shown(networkOf(*calc::highPass12db(5000, 45), 45)), (Shown{{"L", false, 2.03f}, {"C", true, 0.498}}));
}

// A 0 mH coil is a wire, a 0 uF capacitor an open circuit, a load of 0 a short that takes nothing:
// H is exact; and with every part of every topology at 0 or not, into 4 ohm or a short, H is never
// NaN on the sweep.
TEST(ZeroParts, ExactHAndNeverNaN) {
    const std::tuple<const char*, Network, double> exact[] = {
        {"wooferWireBeforeCapacitor", net(LowPass12db, {0, 56}, 4), 1},
        {"midrangeOpen", net(BandPass6db, {0.32, 0}, 4), 0},
    };
    for (const auto& [name, network, h] : exact) {
        for (double f : {0.0, 10.0, 40000.0}) EXPECT_EQ(transfer(network, f), h) << name << " at " << f << " Hz";
    }
    for (const Network& base :
         {net(LowPass6db, {1.27}, 4), net(LowPass12db, {1.8, 56}, 4), net(BandPass6db, {0.32, 79.5}, 4),
          net(BandPass12db, {1.8, 56, 0.18, 5.6}, 4), net(HighPass6db, {7.95}, 4), net(HighPass12db, {0.18, 5.6}, 4)}) {
        for (unsigned zeros = 0; zeros < (2u << base.parts.size()); ++zeros) {
            Network n = base;
            for (std::size_t i = 0; i <= n.parts.size(); ++i) {
                if (zeros >> i & 1u) (i < n.parts.size() ? n.parts[i].value : n.load) = 0;
            }
            SCOPED_TRACE(zeros);
            for (const Point& p : evaluated(n, logSweep(10, 40000, 400))) {
                ASSERT_FALSE(std::isnan(p.phase) || std::isnan(p.level) || p.level == inf) << p.frequency;
                ASSERT_FALSE(n.load == 0 && p.level != -inf) << p.frequency;
            }
        }
    }
}

// Closed forms of whole curves. Second-order Butterworth parts: |H|^2 = 1/(1 + (f/fc)^4), the
// tweeter its mirror.
TEST(ClosedForms, ButterworthAndMidrangeLadder) {
    for (double r : {0.01, 0.3, 0.9, 1.0, 1.1, 3.0, 13.0}) {
        const double r4 = std::pow(r, 4);
        EXPECT_NEAR(std::norm(transfer(butterworth(LowPass12db, 3000, 8), r * 3000)), 1 / (1 + r4), 1e-13) << r;
        EXPECT_NEAR(std::norm(transfer(butterworth(HighPass12db, 3000, 8), r * 3000)), r4 / (1 + r4), 1e-13) << r;
    }
    // Midrange 12 dB: the loaded ladder against its node voltages. With the source at 1 V, Kirchhoff's
    // current law at node a (after C1, L1 to ground) and node b (after L2; C2 and R to ground):
    //   (a - 1) sC1 + a / sL1 + (a - b) / sL2 = 0
    //   (b - a) / sL2 + b sC2 + b / R = 0
    // gives b by Cramer's rule. A capacitor of 1e200 uF in series is a wire, a coil of 1e200 mH across
    // the line an open circuit: the ladder is then its low-pass half, although their sC and sL leave the
    // double range.
    for (const auto& [L1, C1, L2, C2, R] :
         {std::array{1.8, 56.0, 0.18, 5.6, 4.0}, std::array{2.25, 17.5, 1.5, 11.67, 8.0},
          std::array{0.7, 150.0, 3.3, 2.2, 16.0}}) {
        for (double f : {20.0, 180.0, 500.0, 1600.0, 5000.0, 12000.0, 40000.0}) {
            const Complex s{0, 2 * pi * f}, y1 = s * C1 * 1e-6, y2 = 1.0 / (s * L1 * 1e-3), y3 = 1.0 / (s * L2 * 1e-3);
            const Complex b = y3 * y1 / ((y1 + y2 + y3) * (y3 + s * C2 * 1e-6 + 1.0 / R) - y3 * y3);
            EXPECT_LE(std::abs(transfer(net(BandPass12db, {L1, C1, L2, C2}, R), f) - b), 1e-12 * std::abs(b)) << f;
        }
    }
    for (double f : {20.0, 1500.0, 20000.0}) {
        const Complex half = transfer(net(LowPass12db, {0.18, 5.6}, 4), f);
        EXPECT_LE(std::abs(transfer(net(BandPass12db, {1e200, 1e200, 0.18, 5.6}, 4), f) - half),
                  1e-12 * std::abs(half));
    }
}

// The half-power edges of known curves from closed forms, each within a part in 1e9, and the
// level and phase there: the first orders 45 degrees behind (woofer) or ahead (tweeter), the
// Butterworth pair 90, the midrange's series circuit 45 either side of its resonance. None where
// the curve never crosses half power, and none for a network the window cannot draw, with the
// reason (on which evaluate runs to the end all the same: the sanitizers watch it).
TEST(Edges, HalfPower) {
    const double R = 4, L = 0.32e-3, C = 79.5e-6;  // ohm, H, F
    // Midrange 6 dB: |wL - 1/(wC)| = R either side of resonance.
    const double root = std::sqrt(R * R + 4 * L / C);
    // A woofer 12 dB into 100 ohm peaks before it falls, so it has no lower edge; with a = LC and
    // b = (L/R)^2 its upper edge solves a^2 x^2 + (b - 2a) x - 1 = 0 for x = w^2.
    const double a = 1e-3 * 10e-6, b = 1e-10, nan = std::nan("");
    const double peaking = std::sqrt((2 * a - b + std::hypot(b - 2 * a, 2 * a)) / (2 * a * a)) / (2 * pi);
    using Edge = std::optional<std::pair<double, double>>;  // frequency, phase (NaN: not checked)
    using enum Unusable;
    const std::tuple<const char*, Network, Edge, Edge, std::optional<Unusable>> curves[] = {
        {"woofer6db", net(LowPass6db, {1.27}, R), nullopt, std::pair(R / (2 * pi * 1.27e-3), -45), nullopt},
        {"tweeter6db", net(HighPass6db, {7.95}, R), std::pair(1 / (2 * pi * R * 7.95e-6), 45), nullopt, nullopt},
        {"woofer12db", butterworth(LowPass12db, 3000, 8), nullopt, std::pair(3000, -90), nullopt},
        {"tweeter12db", butterworth(HighPass12db, 500, 4), std::pair(500, 90), nullopt, nullopt},
        {"midrange6db", net(BandPass6db, {0.32, 79.5}, R), std::pair((root - R) / (4 * pi * L), 45),
         std::pair((root + R) / (4 * pi * L), -45), nullopt},
        {"peakingWoofer", net(LowPass12db, {1, 10}, 100), nullopt, std::pair(peaking, nan), nullopt},
        {"wireNeverFalls", net(LowPass6db, {0}, R), nullopt, nullopt, nullopt},
        {"shortedLoad", net(LowPass12db, {1.8, 56}, 0), nullopt, nullopt, nullopt},
        {"zeroPartsAndLoad", net(BandPass12db, {0, 0, 0, 0}, 0), nullopt, nullopt, nullopt},
        {"negativeZeroIsZero", net(LowPass12db, {-0.0, 56}, -0.0), nullopt, nullopt, nullopt},
        {"negativeCoil", net(LowPass6db, {-1.27}, R), nullopt, nullopt, NegativePart},
        {"negativeLoad", net(LowPass12db, {1.8, 56}, -4), nullopt, nullopt, NegativeLoad},
        {"negativeLoadBeforeParts", net(LowPass12db, {-1.8, 56}, -4), nullopt, nullopt, NegativeLoad},
        {"nanLoad", net(BandPass6db, {0.32, 79.5}, std::nan("")), nullopt, nullopt, NotFinite},
        {"notFiniteBeforeNegative", net(BandPass12db, {-1.8, 56, 0.18, -inf}, 4), nullopt, nullopt, NotFinite},
    };
    for (const auto& [name, network, lower, upper, why] : curves) {
        SCOPED_TRACE(name);
        EXPECT_EQ(unusable(network), why);
        evaluated(network, {0, 10, 1000, 40000});
        const Edges edges = halfPowerEdges(network);
        for (const auto& [found, expected] : {std::pair(edges.lower, lower), std::pair(edges.upper, upper)}) {
            ASSERT_EQ(found.has_value(), expected.has_value());
            if (!expected) continue;
            const auto [f, phase] = *expected;
            EXPECT_NEAR(*found, f, 1e-9 * f);
            EXPECT_NEAR(evaluated(network, {f})[0].level, 10 * std::log10(0.5), 1e-12);
            if (std::isnan(phase)) continue;
            EXPECT_NEAR(evaluated(network, {f})[0].phase, phase, 1e-10);
        }
    }
    // The ladder has no handy closed form: its edges are where |H|^2 = 1/2, the band between them
    // above that and the skirts below, even when the band dips below it (around 700 Hz here); and
    // parts scaled together by many decades move the edges by the same factor.
    for (const Network& ladder :
         {networkOf(*calc::bandPass12db(500, 5000, 8), 8), net(BandPass12db, {2, 100, 0.1, 100}, 8)}) {
        const Edges edges = halfPowerEdges(ladder);
        ASSERT_TRUE(edges.lower && edges.upper);
        EXPECT_NEAR(std::norm(transfer(ladder, *edges.lower)), 0.5, 1e-9);
        EXPECT_NEAR(std::norm(transfer(ladder, *edges.upper)), 0.5, 1e-9);
        for (double f : logSweep(1, *edges.lower * 0.99, 50)) EXPECT_LT(std::norm(transfer(ladder, f)), 0.5) << f;
        for (double f : logSweep(*edges.upper * 1.01, 1e6, 50)) EXPECT_LT(std::norm(transfer(ladder, f)), 0.5) << f;
    }
    EXPECT_LT(std::norm(transfer(net(BandPass12db, {2, 100, 0.1, 100}, 8), 700)), 0.5);
    const Edges base = halfPowerEdges(net(BandPass12db, {1.8, 56, 0.18, 5.6}, 4));
    for (double k : {1e-60, 1e60}) {
        const Edges scaled = halfPowerEdges(net(BandPass12db, {1.8 * k, 56 * k, 0.18 * k, 5.6 * k}, 4));
        ASSERT_TRUE(scaled.lower && scaled.upper) << k;
        EXPECT_NEAR(*scaled.lower * k, *base.lower, 1e-9 * *base.lower) << k;
        EXPECT_NEAR(*scaled.upper * k, *base.upper, 1e-9 * *base.upper) << k;
    }
}

// Into a driver as it is, through a coil with its wire's resistance r: H = Z / (Z + r + jwL), the amplifier sees
// r + jwL + Z, and the driver plays H times its response, late by its delay and its level down. Sections on one
// amplifier are in parallel; an open one (0 uF) draws nothing, a short takes all.
TEST(Driver, TransferSoundAndImpedance) {
    const auto woofer = std::make_shared<const driver::Driver>(driver::examples[0].parameters);
    Network n = net(LowPass6db, {1.27}, 8);
    n.parts[0].resistance = 0.4;
    n.driver = woofer;
    n.delay = 1e-4;
    n.level = 87.5;
    const Network tweeter = net(HighPass6db, {7.95}, 8), open = net(HighPass6db, {0}, 8),
                  shorted = net(LowPass6db, {0}, 0);
    const auto z = [](std::vector<Branch> sections, double f) { return inputImpedance(sections, f); };
    for (double f : {20.0, 42.0, 700.0, 9000.0}) {
        const Complex load = driver::impedance(*woofer, f), coil{0.4, 2 * pi * f * 1.27e-3}, h = load / (load + coil);
        const Complex played =
            h * driver::acoustic(*woofer, f) * std::polar(std::pow(10, -87.5 / 20), -2 * pi * f * 1e-4);
        const Complex parallel = 1.0 / (1.0 / (load + coil) + 1.0 / (8.0 + 1.0 / Complex{0, 2 * pi * f * 7.95e-6}));
        for (const auto& [found, exact] : {std::pair(transfer(n, f), h),
                                           {sound(n, f), played},
                                           {z({{&n, false}, {&tweeter, true}}, f), parallel},
                                           {z({{&n, false}, {&open, false}}, f), load + coil}})
            EXPECT_LT(std::abs(found - exact), 1e-12 * std::abs(exact)) << f;
        EXPECT_EQ(std::pair(z({{&open, false}}, f), z({{&n, false}, {&shorted, false}}, f)),
                  std::pair(Complex(inf), Complex(0)));
    }
}

// Edges into a driver are searched: into a driver that is only a resistor they are the polynomial's, coils'
// resistance included (a first order's where |R + r + jwL| = sqrt(2) R). A driver's sound is judged against its
// own level: through a wire, the woofer's own second-order roll-off at fs with Qts.
TEST(Driver, SearchedEdges) {
    for (Network n : {net(LowPass6db, {1.27}, 8), net(LowPass12db, {1.8, 56}, 8), net(BandPass6db, {0.32, 79.5}, 4),
                      net(BandPass12db, {1.8, 56, 0.18, 5.6}, 4), net(HighPass12db, {0.18, 5.6}, 4),
                      net(LowPass12db, {1, 10}, 100)}) {
        for (Part& part : n.parts) part.resistance = part.capacitor ? 0 : 0.5;
        const Edges exact = halfPowerEdges(n);
        n.driver = std::make_shared<const driver::Driver>(driver::Measured{nullopt, nullopt, n.load});
        const Edges searched = halfPowerEdges(n);
        for (const auto& [found, expected] : {std::pair(searched.lower, exact.lower), {searched.upper, exact.upper}}) {
            ASSERT_EQ(found.has_value(), expected.has_value());
            if (!expected) continue;
            EXPECT_NEAR(*found, *expected, 1e-9 * *expected);
        }
    }
    Network lossy = net(LowPass6db, {1.27}, 8);
    lossy.parts[0].resistance = 0.5;
    EXPECT_NEAR(halfPowerEdges(lossy).upper.value(), std::sqrt(2 * 64 - 8.5 * 8.5) / (2 * pi * 1.27e-3), 1e-6);
    const driver::Parameters& p = driver::examples[0].parameters;
    const double q = p.qms * p.qes / (p.qms + p.qes), b = 2 - 1 / (q * q);
    Network wire = net(LowPass6db, {0}, 8);
    wire.driver = std::make_shared<const driver::Driver>(p);
    const Edges own = soundEdges(wire);
    EXPECT_NEAR(own.lower.value(), p.fs * std::sqrt((std::sqrt(b * b + 4) - b) / 2), 1e-6);
    EXPECT_FALSE(own.upper);
    EXPECT_FALSE(soundEdges(net(LowPass6db, {0}, 8)).lower);
}

// The impedance drawn shows its lowest point within 0.001 ohm of a dense sweep's, and where a driver's file holds
// its end sample the points say so.
TEST(Driver, DrawnImpedanceShowsItsMinimum) {
    const auto measured = std::make_shared<const driver::Driver>(driver::Measured{
        nullopt, driver::readMeasurement(driver::FileKind::Zma, "100 6 0\n300 30 60\n2000 5 -30").value(), 8});
    Network woofer = networkOf(*calc::lowPass12db(3000, 8), 8), tweeter = networkOf(*calc::highPass12db(3000, 8), 8);
    woofer.driver = std::make_shared<const driver::Driver>(driver::examples[0].parameters);
    tweeter.driver = measured;
    const std::vector<Branch> both{{&woofer, false}, {&tweeter, true}};
    const std::vector<Point> drawn = drawnImpedance(both, logSweep(10, 40000, 400));
    double lowest = inf;
    for (double f : logSweep(10, 40000, 40000)) lowest = std::min(lowest, std::abs(inputImpedance(both, f)));
    EXPECT_NEAR(std::ranges::min(drawn, {}, &Point::level).level, lowest, 1e-3);
    for (const Point& point : drawn)
        EXPECT_EQ(point.measured, point.frequency >= 100 && point.frequency <= 2000) << point.frequency;
}

// Corrections between a network and its loudspeaker, solved as their circuits: the Korekcija window's parts for a
// driver from parameters with Le 0,5 mH and Re 8 ohm. Without the Zobel a woofer of second order at 3000 Hz into it
// sees 4 times Re by 10 kHz, peaks some 5 dB above its slope into a resistor and is 3 dB down far above 3000 Hz; with
// it the impedance across the driver stays within 10 % of Re from 1 to 10 kHz, the level within 0,2 dB of the slope
// and the edge within 2 % of it. A 6 dB L-pad on a tweeter takes exactly 6 dB, leaves the impedance as it was and its
// edge, counted from the padded level, where it was; a notch brings the peak at resonance to within 10 % of Re; a
// baffle step is 0 dB below its shelf, -A/2 at the step, -A above.
TEST(Corrections, StraightenTheLoadAndMatchTheLevel) {
    const driver::Parameters p{.re = 8, .le = 0.5, .fs = 42, .qms = 3.2, .qes = 0.42, .sensitivity = 87};
    const Network resistor = networkOf(*calc::lowPass12db(3000, 8), 8);
    Network woofer = resistor, zobel = resistor, across = net(LowPass6db, {0}, 8), corrected = across;
    woofer.driver = zobel.driver = across.driver = corrected.driver = std::make_shared<const driver::Driver>(p);
    corrected.corrections = zobel.corrections = {driver::zobel(p.re, p.le, 1).value()};
    const auto z = [](const Network& n, double f) {
        return std::abs(inputImpedance(std::array{Branch{&n, false}}, f));
    };
    const auto dB = [](const Network& n, double f) { return 20 * std::log10(std::abs(transfer(n, f))); };
    double peak = 0;
    for (double f : logSweep(1000, 10000, 20)) {
        EXPECT_NEAR(z(corrected, f), 8, 0.8) << f;
        EXPECT_NEAR(dB(zobel, f), dB(resistor, f), 0.2) << f;
        peak = std::max(peak, dB(woofer, f) - dB(resistor, f));
    }
    EXPECT_GT(std::pair(z(across, 10000), peak), std::pair(32.0, 5.0));
    const auto edge = [](const Network& n) { return halfPowerEdges(n).upper.value(); };
    EXPECT_GT(edge(woofer), 1.3 * edge(resistor));
    EXPECT_NEAR(edge(zobel), edge(resistor), 0.02 * edge(resistor));

    Network tweeter = networkOf(*calc::highPass12db(3000, 8), 8), padded = tweeter;
    padded.corrections = {driver::lPad(6, 8).value()};
    for (double f : {300.0, 3000.0, 20000.0}) {
        EXPECT_NEAR(dB(padded, f) - dB(tweeter, f), -6, 1e-9) << f;
        EXPECT_NEAR(z(padded, f), z(tweeter, f), 1e-9 * z(tweeter, f)) << f;
    }
    EXPECT_NEAR(halfPowerEdges(padded).lower.value(), halfPowerEdges(tweeter).lower.value(), 1e-6);
    // A notch across the driver takes its resonance's peak (some 8 times Re) down to Re.
    Network notched = across;
    notched.corrections = {driver::notch(p.fs, p.qms, p.qes, p.re).value()};
    EXPECT_GT(z(across, p.fs), 8 * p.re);
    EXPECT_NEAR(z(notched, p.fs), p.re, 0.1 * p.re);
    Network step = net(LowPass6db, {0}, 8);
    step.corrections = {driver::baffleStep(0.25, 6, 8).value().parts};
    EXPECT_NEAR(dB(step, 0.01), 0, 1e-6);
    EXPECT_NEAR(dB(step, 460), -3, 1e-9);
    EXPECT_NEAR(dB(step, 1e9), -6, 1e-6);
}

// What each resistor takes straight on an amplifier of 20 V, against its closed form: a Zobel's V^2 R / (R^2 +
// 1/(wC)^2), worst at 20 kHz; an L-pad's P (1 - a) and P a (1 - a) into the resistor it was made for (P = V^2 / Z); a
// notch's V^2 / R at its resonance, found between the samples; a baffle step's |V Zb / (Z + Zb)|^2 / R at 20 kHz (Zb =
// R || jwL). Standard parts: resistors E24, capacitors of the series, coils as they are.
TEST(Corrections, ResistorPowersAndStandardParts) {
    EXPECT_EQ(std::get<driver::Notch>(standardOf(driver::Notch{6.79, 9.55, 1503.7}, Series::E24)),
              (driver::Notch{6.8, 9.55, 1500}));
    const double v2 = 400, a = std::pow(10, -6 / 20.0), w = 2 * pi * 20000;
    const driver::Zobel zobel = driver::zobel(8, 0.5, 1).value();
    const driver::Notch notch = driver::notch(42, 3.2, 0.42, 8).value();
    const driver::BaffleStep step = driver::baffleStep(0.25, 6, 8).value().parts;
    const double x = 1 / (w * zobel.capacitance * 1e-6),
                 fn = 1 / (2 * pi * std::sqrt(notch.inductance * notch.capacitance * 1e-9));
    const Complex jwl{0, w * step.inductance * 1e-3}, zb = step.resistance * jwl / (step.resistance + jwl);
    using Expected = std::vector<std::pair<double, double>>;  // watts, hertz (NaN: every frequency alike)
    const std::tuple<const char*, driver::Correction, Expected> rows[] = {
        {"zobel", zobel, {{v2 * zobel.resistance / (zobel.resistance * zobel.resistance + x * x), 20000}}},
        {"lPad", driver::lPad(6, 8).value(), {{v2 / 8 * (1 - a), nan("")}, {v2 / 8 * a * (1 - a), nan("")}}},
        {"notch", notch, {{v2 / notch.resistance, fn}}},
        {"baffleStep", step, {{v2 * std::norm(zb / (8.0 + zb)) / step.resistance, 20000}}},
    };
    for (const auto& [name, correction, expected] : rows) {
        Network n = net(LowPass6db, {0}, 8);
        n.corrections = {correction};
        const std::vector<Dissipation> worst = worstResistorPowers(n, std::sqrt(v2));
        ASSERT_EQ(worst.size(), expected.size()) << name;
        for (std::size_t k = 0; k < worst.size(); ++k) {
            EXPECT_NEAR(worst[k].watts, expected[k].first, 1e-9 * expected[k].first) << name << k;
            EXPECT_EQ(worst[k].everywhere, std::isnan(expected[k].second)) << name << k;
            if (!std::isnan(expected[k].second)) {
                EXPECT_NEAR(worst[k].frequency, expected[k].second, 1e-4 * expected[k].second) << name << k;
            }
        }
    }
}

// Both ends exact, one ratio between all neighbours; a single point is the first.
TEST(LogSweep, EvenlyOnALogScale) {
    const std::vector<double> f = logSweep(10, 40000, 400), one = logSweep(10, 40000, 1);
    for (std::size_t i = 1; i < f.size(); ++i) EXPECT_NEAR(f[i] / f[i - 1], std::pow(4000.0, 1.0 / 399), 1e-12) << i;
    EXPECT_EQ(std::tuple(f.size(), f.front(), f.back(), one), std::tuple(400u, 10, 40000, std::vector{10.0}));
}

// Two first-order sections at one Fp sum flat, within the rounding of their parts (the window's test holds the
// notch and the rise of second orders); far above its band a reversed tweeter is -1 less a vanishing imaginary
// part: +180 degrees, not -180; no driver at all is silence.
TEST(Sum, FlatReversedAndSilent) {
    const Network woofer = networkOf(*calc::lowPass6db(3000, 8), 8),
                  tweeter = networkOf(*calc::highPass6db(3000, 8), 8);
    const Network tweeter12 = networkOf(*calc::highPass12db(3000, 8), 8);
    const std::vector<double> f = logSweep(10, 40000, 400);
    std::vector<Point> flat(f.size());
    evaluateSum(std::array<Branch, 2>{{{&woofer, false}, {&tweeter, false}}}, f, flat);
    for (const Point& p : flat) EXPECT_NEAR(p.level, 0, 0.1) << p.frequency;
    std::array<Point, 2> out{};
    evaluateSum(std::array<Branch, 1>{{{&tweeter12, true}}}, std::array{1e20}, std::span(out).first(1));
    evaluateSum({}, std::array{1000.0}, std::span(out).last(1));
    EXPECT_EQ(std::pair(out[0].phase, out[1].level), std::pair(180.0, -inf));
}

// A line through the drawn points shows every peak and dip of a dense sweep, within 0.01 dB: a sharp
// midrange resonance (+38 dB at 5260 Hz with Fp1 5000 above Fp2 500), a peaking woofer, the notch of a
// two-way sum wired alike and the peaks of a three-way one (its midrange +6.7 dB with Fp1 2000, Fp2 2500).
TEST(Drawn, EveryPeakAndDip) {
    const Network sharp = networkOf(*calc::bandPass12db(5000, 500, 8), 8);
    const Network close = networkOf(*calc::bandPass12db(2000, 2500, 8), 8), peaking = net(LowPass12db, {1, 10}, 100);
    const Network woofer = networkOf(*calc::lowPass12db(3000, 8), 8),
                  tweeter = networkOf(*calc::highPass12db(3000, 8), 8);
    const std::vector<double> grid = logSweep(10, 40000, 400), dense = logSweep(10, 40000, 40000);
    const std::tuple<const char*, std::vector<Branch>> curves[] = {
        {"sharpMidrange", {{&sharp, false}}},
        {"peakingWoofer", {{&peaking, false}}},
        {"twoWayNotch", {{&woofer, false}, {&tweeter, false}}},
        {"threeWay", {{&woofer, false}, {&close, false}, {&tweeter, false}}},
    };
    for (const auto& [name, branches] : curves) {
        SCOPED_TRACE(name);
        const std::vector<Point> drawn =
            branches.size() > 1 ? drawnSum(branches, grid)
                                : evaluated(*branches[0].network, drawnFrequencies(*branches[0].network, grid));
        ASSERT_TRUE(std::ranges::is_sorted(drawn, {}, &Point::frequency));
        EXPECT_EQ(std::pair(drawn.front().frequency, drawn.back().frequency), std::pair(10.0, 40000.0));
        std::vector<Point> exact(dense.size());
        evaluateSum(branches, dense, exact);
        for (std::size_t i = 1; i + 1 < exact.size(); ++i) {
            const double level = exact[i].level, f = exact[i].frequency;
            const bool peak = level > exact[i - 1].level && level > exact[i + 1].level;
            if (!peak && !(level < exact[i - 1].level && level < exact[i + 1].level)) continue;
            double nearest = peak ? -inf : inf;  // the drawn extreme within 3 % of f
            for (const Point& p : drawn)
                if (std::abs(std::log(p.frequency / f)) < 0.03)
                    nearest = peak ? std::max(nearest, p.level) : std::min(nearest, p.level);
            EXPECT_LT(peak ? level - nearest : nearest - level, 0.01) << f << " Hz, " << level << " dB";
        }
    }
}

// The band a sum is judged in: from the lowest lower edge to the highest upper edge of its curves, a curve
// without one reaching to the end of what is heard, 20 Hz to 20 kHz; none where nothing is left.
TEST(Sum, PassBand) {
    using Expected = std::optional<std::pair<double, double>>;
    const std::tuple<const char*, std::vector<Edges>, Expected> cases[] = {
        {"wooferAndTweeter", {{nullopt, 3000}, {3000, nullopt}}, std::pair(20, 20000)},
        {"twoMidranges", {{414, 2404}, {300, 900}}, std::pair(300, 2404)},
        {"beyondHearing", {{10, 30000}, {12, 25000}}, std::pair(20, 20000)},
        {"aboveHearing", {{25000, nullopt}, {30000, nullopt}}, nullopt},
    };
    for (const auto& [name, edges, expected] : cases) {
        const std::optional<Band> band = passBand(edges);
        EXPECT_EQ(band ? Expected(std::pair(band->lower, band->upper)) : nullopt, expected) << name;
    }
}

// In every decade (powers of ten far beyond exact ones among them) each member of a series is its
// own pick, and between neighbours (8.2 and 10 at the top) the pick switches at their geometric mean.
TEST(NearestStandard, MembersSwitchesAndPicksByRatio) {
    const std::vector<double> e12{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
    const std::vector<double> e24{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                  3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};
    for (const auto& [series, members] : {std::pair(Series::E12, e12), std::pair(Series::E24, e24)}) {
        for (int decade : {-296, -30, -1, 0, 1, 2, 3, 4, 5, 30, 296}) {
            for (std::size_t i = 0; i < members.size(); ++i) {
                const double below = members[i] * std::pow(10.0, decade);
                const double above = (i + 1 < members.size() ? members[i + 1] : 10) * std::pow(10.0, decade);
                const double middle = std::sqrt(below) * std::sqrt(above);
                EXPECT_DOUBLE_EQ(nearestStandard(below, series).value(), below);
                EXPECT_DOUBLE_EQ(nearestStandard(middle * (1 - 1e-9), series).value(), below);
                EXPECT_DOUBLE_EQ(nearestStandard(middle * (1 + 1e-9), series).value(), above);
            }
        }
    }
    // Picks a builder would check by hand: nearest by ratio, not by difference; nothing for zero,
    // negative or non-finite values; only capacitors change, and one of 0 uF stays open.
    EXPECT_EQ(nearestStandard(9.07, Series::E12), 10);  // nearer 8.2 by difference
    EXPECT_EQ(nearestStandard(0.0052, Series::E12), 0.0056);
    EXPECT_EQ(nearestStandard(std::nextafter(100.0, 0.0), Series::E12), 100);
    for (double value : {0.0, -4.7, inf, std::nan("")}) EXPECT_EQ(nearestStandard(value, Series::E12), nullopt);
    EXPECT_EQ(shown(withStandardParts(net(BandPass12db, {1.8, 79.5, 0.18, 0}, 4), Series::E12)),
              (Shown{{"", false, 1.8}, {"", true, 82}, {"", false, 0.18}, {"", true, 0}}));
}

}  // namespace
}  // namespace response
