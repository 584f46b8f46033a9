// Writes the sample drivers' FRD and ZMA files from their model, each in another of the dialects
// real files come in, so that the files users open first show what the reader takes.
// usage: primerigen FOLDER

#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>

#include "driver/driver.h"

namespace {

using driver::FileKind;

struct Dialect {
    bool decimalComma = false, phase = true, crlf = false, bom = false;
};

// One file of a sample driver, named after it ("bas-16cm.frd").
struct File {
    int example;  // in driver::examples
    FileKind kind;
    double from, to;      // Hz
    const char* head;     // lines before the data, each ended by \n
    const char* columns;  // between the columns
    Dialect dialect;
};

// Each file in another dialect, each short of 20 Hz-20 kHz in its own way; the tweeter's
// response, without phase, starts at 300 Hz, as tweeters are measured.
// clang-format off
const File files[] = {
    {0, FileKind::Frd, 20, 20000, "* Tav20: primer basa 16 cm, izracunat iz modela\n* Frekvencija [Hz]  Nivo [dB]  Faza [stepeni]\n", " ", {}},
    {0, FileKind::Zma, 10, 20000, "Freq(Hz)\tZ(ohm)\tPhase(deg)\n", "\t", {.crlf = true}},
    {1, FileKind::Frd, 40, 20000, "' Tav20: primer srednjetonca 10 cm\n", ";", {.decimalComma = true, .crlf = true, .bom = true}},
    {1, FileKind::Zma, 20, 20000, "# Tav20: primer srednjetonca 10 cm\n# f, |Z|, faza\n", ", ", {}},
    {2, FileKind::Frd, 300, 40000, "; Tav20: primer visokotonca 25 mm, bez faze\n", "\t", {.phase = false}},
    {2, FileKind::Zma, 100, 40000, "Frekvencija Impedansa Faza\n", " ", {.decimalComma = true}},
};
// clang-format on

std::string contents(const File& file) {
    const driver::Parameters& p = driver::examples[file.example].parameters;
    const Dialect& d = file.dialect;
    auto fixed = [&](double value, int decimals) {
        char buffer[64];
        std::string text(
            buffer,
            std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed, decimals).ptr);
        if (d.decimalComma) std::replace(text.begin(), text.end(), '.', ',');
        return text;
    };
    const std::string end = d.crlf ? "\r\n" : "\n";
    std::string text = d.bom ? "\xEF\xBB\xBF" : "";
    for (const char* c = file.head; *c; ++c) text += *c == '\n' ? end : std::string(1, *c);
    // 48 points an octave, as fine as the finest measurements users exchange.
    for (int k = 0;; ++k) {
        const double f = file.from * std::exp2(k / 48.0);
        if (f > file.to * (1 + 1e-12)) break;
        const bool frd = file.kind == FileKind::Frd;
        const std::complex<double> value = frd ? driver::acoustic(p, f) : driver::impedance(p, f);
        text += fixed(f, 2) + file.columns +
                fixed(frd ? 20 * std::log10(std::abs(value)) : std::abs(value), 3);
        if (d.phase) text += file.columns + fixed(std::arg(value) * (180 / std::numbers::pi), 2);
        text += end;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: primerigen FOLDER\n", stderr);
        return 2;
    }
    for (const File& file : files) {
        const std::string path = std::string(argv[1]) + "/" + driver::examples[file.example].name +
                                 (file.kind == FileKind::Frd ? ".frd" : ".zma");
        std::ofstream out(path, std::ios::binary);
        out << contents(file);
        if (!out.flush()) {
            std::fprintf(stderr, "primerigen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
