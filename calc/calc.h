#pragma once

// The numeric core of the crossover calculator.
//
// Text in: readField turns a field's text into a single (readFieldDouble into a
// double) by the user's regional separators. Numbers through: each operation
// runs its formula one step at a time, every single step rounded to single and
// every double step to double, and either gives all of its component values or
// the Fault of its first failing step. Caption out: roundTo2 and numberText write each value, and
// the caption functions join them with the fixed texts of the result labels.

#include <array>
#include <expected>
#include <string>
#include <string_view>

namespace calc {

struct Region {           // the user's regional number settings, UTF-8
    std::string decimal;  // decimal separator, e.g. ","
    std::string group;    // digit-group separator, e.g. "."; may be empty
};

enum class FaultKind { NotANumber, OutOfRange, DivisionByZero, Overflow, NegativeRoot };

template <class T>
using Result = std::expected<T, FaultKind>;  // reading a field

// A whole multiple of a product of an operation's inputs; bit i of `inputs`
// stands for the operation's i-th parameter.
struct Term {
    int coefficient;
    unsigned inputs;
    bool operator==(const Term&) const = default;
};

// A sum of terms: how a divisor is made of the inputs, "3*do + 9*l + 10*h".
struct Expression {
    std::array<Term, 3> terms{};
    int count = 0;
    bool operator==(const Expression&) const = default;
};

// Why an operation gave no values, told by the step that failed, so that the
// caller names the real cause instead of guessing it from the inputs.
struct Fault {
    FaultKind kind;
    int input = 0;           // the input to change: a zero divisor's only or first input, the
                             // input that drives an overflow, the first negative under a root
    Expression divisor{};    // a zero divisor as the operation forms it
    bool underflow = false;  // that divisor is a product of non-zero inputs too small to hold
    bool operator==(const Fault&) const = default;
};

template <class T>
using Outcome = std::expected<T, Fault>;  // an operation's component values

Result<float> readField(std::string_view text, const Region& region);
Result<double> readFieldDouble(std::string_view text, const Region& region);
float roundTo2(float value);
double roundTo2(double value);
std::string numberText(float value, const Region& region);   // 7 significant digits
std::string numberText(double value, const Region& region);  // 15 significant digits

struct LowPass6db {
    float L;
};
struct LowPass12db {
    float L;
    float C;
};
struct BandPass6db {
    float L;
    float C;
};
struct BandPass12db {
    float L1;
    float L2;
    double C1;
    double C2;
};
struct HighPass6db {
    float C;
};
struct HighPass12db {
    double C;
    float L;
};
struct CoilInductance {
    float L;
};
struct WireSize {
    float S;
    double d;
};

Outcome<LowPass6db> lowPass6db(float Fp, float Z);
Outcome<LowPass12db> lowPass12db(float Fp, float Z);
Outcome<BandPass6db> bandPass6db(float Fp1, float Z);
Outcome<BandPass12db> bandPass12db(float Fp1, float Fp2, float Z);
Outcome<HighPass6db> highPass6db(float Fp, float Z);
Outcome<HighPass12db> highPass12db(float Fp, float Z);
Outcome<CoilInductance> coilInductance(float N, float d0, float l, float h);
Outcome<WireSize> wireSize(double I, double J);

std::string caption(const LowPass6db&, const Region&);
std::string caption(const LowPass12db&, const Region&);
std::string caption(const BandPass6db&, const Region&);
std::array<std::string, 2> captions(const BandPass12db&, const Region&);  // Label15, Label16
std::string caption(const HighPass6db&, const Region&);
std::string caption(const HighPass12db&, const Region&);
std::string caption(const CoilInductance&, const Region&);
std::string caption(const WireSize&, const Region&);         // the diameter caption
std::string sectionCaption(const WireSize&, const Region&);  // cross-section, S unrounded

}  // namespace calc
