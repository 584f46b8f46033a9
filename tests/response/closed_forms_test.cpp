#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>

#include "response/sweep.h"
#include "tests/response/networks.h"

namespace response {
namespace {

using namespace test;
using Complex = std::complex<double>;

Complex s(double f) { return {0, 2 * pi * f}; }
// Level and phase as evaluate gives them for one frequency.
Point at(const Network& n, double f) {
    const std::array<double, 1> frequency{f};
    std::array<Point, 1> point{};
    evaluate(n, frequency, point);
    return point[0];
}
double levelAt(const Network& n, double f) { return at(n, f).level; }
double phaseAt(const Network& n, double f) { return at(n, f).phase; }

constexpr double halfPowerDb = -3.0102999566398120;  // 10 log10(1/2)

// First order at its corner: half power, 45 degrees behind (woofer) or ahead (tweeter).
TEST(FirstOrder, HalfPowerAndFortyFiveDegreesAtTheCorner) {
    const double R = 4, L = 1.27, C = 7.95, fL = R / (2 * pi * L * 1e-3), fC = 1 / (2 * pi * R * C * 1e-6);
    EXPECT_NEAR(levelAt(lowPass6(L, R), fL), halfPowerDb, 1e-12);
    EXPECT_NEAR(phaseAt(lowPass6(L, R), fL), -45, 1e-12);
    EXPECT_NEAR(levelAt(highPass6(C, R), fC), halfPowerDb, 1e-12);
    EXPECT_NEAR(phaseAt(highPass6(C, R), fC), 45, 1e-12);
}

// Second-order Butterworth parts: |H|^2 = 1/(1 + (f/fc)^4), the tweeter its mirror.
TEST(Butterworth, SquaredMagnitudeAtSeveralFrequencies) {
    const double fc = 3000, R = 8, L = butterworthL(fc, R), C = butterworthC(fc, R);
    for (double r : {0.01, 0.3, 0.9, 1.0, 1.1, 3.0, 13.0}) {
        const double r4 = std::pow(r, 4);
        EXPECT_NEAR(std::norm(transfer(lowPass12(L, C, R), r * fc)), 1 / (1 + r4), 1e-13) << r;
        EXPECT_NEAR(std::norm(transfer(highPass12(L, C, R), r * fc)), r4 / (1 + r4), 1e-13) << r;
    }
}

// Midrange 6 dB: the series circuit passes everything at 1/(2 pi sqrt(LC)) and less either side.
TEST(Midrange6db, ZeroDbPeakAtResonance) {
    const double L = 0.32, C = 79.5, R = 4, f0 = 1 / (2 * pi * std::sqrt(L * 1e-3 * C * 1e-6));
    EXPECT_NEAR(levelAt(bandPass6(L, C, R), f0), 0, 1e-12);
    EXPECT_NEAR(phaseAt(bandPass6(L, C, R), f0), 0, 1e-10);
    EXPECT_LT(levelAt(bandPass6(L, C, R), f0 * 0.9), 0);
    EXPECT_LT(levelAt(bandPass6(L, C, R), f0 * 1.1), 0);
}

// Midrange 12 dB: the loaded ladder against its node voltages. With the source at 1 V, Kirchhoff's
// current law at node a (after C1, L1 to ground) and node b (after L2; C2 and R to ground):
//   (a - 1) sC1 + a / sL1 + (a - b) / sL2 = 0
//   (b - a) / sL2 + b sC2 + b / R = 0
Complex nodalLadder(double L1, double C1, double L2, double C2, double R, double f) {
    const Complex y1 = s(f) * C1, y2 = 1.0 / (s(f) * L1), y3 = 1.0 / (s(f) * L2), y4 = s(f) * C2 + 1.0 / R;
    const Complex a11 = y1 + y2 + y3, a12 = -y3, a21 = -y3, a22 = y3 + y4;
    return -a21 * y1 / (a11 * a22 - a12 * a21);  // b by Cramer's rule
}

TEST(Midrange12db, LadderAgreesWithNodalSolution) {
    struct Parts {
        double L1, C1, L2, C2, R;
    };
    for (const Parts& p :
         {Parts{1.8, 56, 0.18, 5.6, 4}, Parts{2.25, 17.5, 1.5, 11.67, 8}, Parts{0.7, 150, 3.3, 2.2, 16}}) {
        for (double f : {20.0, 180.0, 500.0, 1600.0, 5000.0, 12000.0, 40000.0}) {
            const Complex expected = nodalLadder(p.L1 * 1e-3, p.C1 * 1e-6, p.L2 * 1e-3, p.C2 * 1e-6, p.R, f);
            const Complex h = transfer(bandPass12(p.L1, p.C1, p.L2, p.C2, p.R), f);
            EXPECT_LE(std::abs(h - expected), 1e-12 * std::abs(expected)) << p.L1 << " mH at " << f << " Hz";
        }
    }
}

// A capacitor of 1e200 uF in series is a wire, a coil of 1e200 mH across the line an open
// circuit: the ladder is then its low-pass half, although their sC and sL leave the double range.
TEST(Midrange12db, HugePartsVanish) {
    for (double f : {20.0, 1500.0, 20000.0}) {
        const Complex expected = transfer(lowPass12(0.18, 5.6, 4), f);
        EXPECT_LE(std::abs(transfer(bandPass12(1e200, 1e200, 0.18, 5.6, 4), f) - expected), 1e-12 * std::abs(expected));
    }
}

}  // namespace
}  // namespace response
