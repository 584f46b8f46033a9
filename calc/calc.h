#pragma once

// The numeric core of the crossover calculator.
//
// Text in: readField turns a field's text into a single (readFieldDouble into a
// double) by the user's regional separators. Numbers through: each operation
// runs its formula one step at a time, every single step rounded to single and
// every double step to double, and either gives all of its component values or
// one Failure. Caption out: roundTo2 and numberText write each value, and the
// caption functions join them with the fixed texts of the result labels.

#include <array>
#include <expected>
#include <string>
#include <string_view>

namespace calc {

struct Region {           // the user's regional number settings, UTF-8
    std::string decimal;  // decimal separator, e.g. ","
    std::string group;    // digit-group separator, e.g. "."; may be empty
};

enum class Failure { NotANumber, OutOfRange, DivisionByZero, Overflow, NegativeRoot };

template <class T>
using Result = std::expected<T, Failure>;

Result<float> readField(std::string_view text, const Region& region);
Result<double> readFieldDouble(std::string_view text, const Region& region);
float roundTo2(float value);
double roundTo2(double value);
std::string numberText(float value, const Region& region);   // 7 significant digits
std::string numberText(double value, const Region& region);  // 15 significant digits

struct LowPass6db { float L; };
struct LowPass12db { float L; float C; };
struct BandPass6db { float L; float C; };
struct BandPass12db { float L1; float L2; double C1; double C2; };
struct HighPass6db { float C; };
struct HighPass12db { double C; float L; };
struct CoilInductance { float L; };
struct WireSize { float S; double d; };

Result<LowPass6db> lowPass6db(float Fp, float Z);
Result<LowPass12db> lowPass12db(float Fp, float Z);
Result<BandPass6db> bandPass6db(float Fp1, float Z);
Result<BandPass12db> bandPass12db(float Fp1, float Fp2, float Z);
Result<HighPass6db> highPass6db(float Fp, float Z);
Result<HighPass12db> highPass12db(float Fp, float Z);
Result<CoilInductance> coilInductance(float N, float d0, float l, float h);
Result<WireSize> wireSize(double I, double J);

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
