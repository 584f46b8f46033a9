#pragma once

#include <complex>
#include <cstddef>
#include <expected>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

enum class FileKind {
    Frd,  // acoustic response: frequency (Hz), level (dB), phase (degrees)
    Zma   // impedance: frequency (Hz), |Z| (ohm), phase (degrees)
};

struct Sample {
    double frequency;  // Hz
    double magnitude;  // dB (FRD) or ohm (ZMA)
    double phase;      // degrees, unwrapped along the frequencies
};

struct ReadError {
    std::size_t line;     // 1-based; 0 for the file as a whole
    std::string message;  // Serbian: "na liniji 12 ocekivana su dva ili tri broja: ..."
};

class Measurement;

// Reads an FRD or ZMA file's bytes, all or nothing. Files above this are refused unread.
inline constexpr std::size_t maxFileSize = 10'000'000;
std::expected<Measurement, ReadError> readMeasurement(FileKind, std::string_view bytes);

// A measured curve: at least two samples at rising frequencies.
class Measurement {
public:
    FileKind kind() const { return m_kind; }
    std::span<const Sample> samples() const { return m_samples; }
    // The file had no phase: it is the minimum phase of the level.
    bool phaseDerived() const { return m_phaseDerived; }

    // Whether the samples span the frequency, so that the value there is measured.
    bool covers(double frequency) const;
    // H (relative to 0 dB) or Z (ohm) at a frequency above 0: between samples linear in log
    // frequency, in dB or ln|Z| and in phase; beyond them the end sample's value.
    std::complex<double> at(double frequency) const;

private:
    // Samples as read, at rising frequencies; without phase it is derived here.
    Measurement(FileKind, std::vector<Sample>, bool phaseDerived);
    friend std::expected<Measurement, ReadError> readMeasurement(FileKind, std::string_view);

    FileKind m_kind;
    std::vector<Sample> m_samples;
    bool m_phaseDerived;
    // What at() interpolates: ln f, ln|H| or ln|Z|, and the phase in radians.
    std::vector<double> m_logFrequency, m_logMagnitude, m_phase;
};

}  // namespace driver
