#include "calc/calc.h"
#include "calc/steps.h"

// 159, 225 and 40 are short constants, so their products with a single stay
// single; 112000 and 159000 are long constants, so their quotients are doubles.

namespace calc {

Outcome<LowPass6db> lowPass6db(float Fp, float Z) {
    Steps s;
    const auto fp = s.input(Fp), z = s.input(Z);
    const auto a = s.times(159, z);
    const auto L = s.quotient(a, fp);
    return s.give(LowPass6db{L.value});
}

Outcome<LowPass12db> lowPass12db(float Fp, float Z) {
    Steps s;
    const auto fp = s.input(Fp), z = s.input(Z);
    const auto a = s.times(225, z);
    const auto L = s.quotient(a, fp);
    const auto b = s.product(fp, z);
    const auto C = s.narrow(s.quotient(112000.0, b));
    return s.give(LowPass12db{L.value, C.value});
}

Outcome<BandPass6db> bandPass6db(float Fp1, float Z) {
    Steps s;
    const auto fp1 = s.input(Fp1), z = s.input(Z);
    const auto a = s.times(40, z);
    const auto L = s.quotient(a, fp1);
    const auto b = s.product(fp1, z);
    const auto C = s.narrow(s.quotient(159000.0, b));
    return s.give(BandPass6db{L.value, C.value});
}

Outcome<BandPass12db> bandPass12db(float Fp1, float Fp2, float Z) {
    Steps s;
    const auto fp1 = s.input(Fp1), fp2 = s.input(Fp2), z = s.input(Z);
    const auto a = s.times(225, z);
    const auto L1 = s.quotient(a, fp1);
    const auto L2 = s.quotient(a, fp2);
    const auto b1 = s.product(fp1, z);
    const auto C1 = s.quotient(112000.0, b1);
    const auto b2 = s.product(fp2, z);
    const auto C2 = s.quotient(112000.0, b2);
    return s.give(BandPass12db{L1.value, L2.value, C1.value, C2.value});
}

Outcome<HighPass6db> highPass6db(float Fp, float Z) {
    Steps s;
    const auto fp = s.input(Fp), z = s.input(Z);
    const auto b = s.product(fp, z);
    const auto C = s.narrow(s.quotient(159000.0, b));
    return s.give(HighPass6db{C.value});
}

Outcome<HighPass12db> highPass12db(float Fp, float Z) {
    Steps s;
    const auto fp = s.input(Fp), z = s.input(Z);
    const auto b = s.product(fp, z);
    const auto C = s.quotient(112000.0, b);
    const auto a = s.times(225, z);
    const auto L = s.quotient(a, fp);
    return s.give(HighPass12db{C.value, L.value});
}

}  // namespace calc
