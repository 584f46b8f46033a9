#include "calc/calc.h"
#include "calc/steps.h"

// 159, 225 and 40 are short constants, so their products with a single stay
// single; 112000 and 159000 are long constants, so their quotients are doubles.

namespace calc {

Result<LowPass6db> lowPass6db(float Fp, float Z) {
    Steps s;
    const float a = s.step(159.0f * Z);
    const float L = s.quotient(a, Fp);
    return s.give(LowPass6db{L});
}

Result<LowPass12db> lowPass12db(float Fp, float Z) {
    Steps s;
    const float a = s.step(225.0f * Z);
    const float L = s.quotient(a, Fp);
    const float b = s.step(Fp * Z);
    const float C = s.narrow(s.quotient(112000.0, double{b}));
    return s.give(LowPass12db{L, C});
}

Result<BandPass6db> bandPass6db(float Fp1, float Z) {
    Steps s;
    const float a = s.step(40.0f * Z);
    const float L = s.quotient(a, Fp1);
    const float b = s.step(Fp1 * Z);
    const float C = s.narrow(s.quotient(159000.0, double{b}));
    return s.give(BandPass6db{L, C});
}

Result<BandPass12db> bandPass12db(float Fp1, float Fp2, float Z) {
    Steps s;
    const float a = s.step(225.0f * Z);
    const float L1 = s.quotient(a, Fp1);
    const float L2 = s.quotient(a, Fp2);
    const float b1 = s.step(Fp1 * Z);
    const double C1 = s.quotient(112000.0, double{b1});
    const float b2 = s.step(Fp2 * Z);
    const double C2 = s.quotient(112000.0, double{b2});
    return s.give(BandPass12db{L1, L2, C1, C2});
}

Result<HighPass6db> highPass6db(float Fp, float Z) {
    Steps s;
    const float b = s.step(Fp * Z);
    const float C = s.narrow(s.quotient(159000.0, double{b}));
    return s.give(HighPass6db{C});
}

Result<HighPass12db> highPass12db(float Fp, float Z) {
    Steps s;
    const float b = s.step(Fp * Z);
    const double C = s.quotient(112000.0, double{b});
    const float a = s.step(225.0f * Z);
    const float L = s.quotient(a, Fp);
    return s.give(HighPass12db{C, L});
}

}  // namespace calc
