#include "forms/korekcija/sections.h"

#include <array>

#include "response/network.h"

namespace korekcija {

namespace {

// Each part rounded as the crossover forms' parts are, so that the response window draws what
// this one shows.
Design rounded(const driver::Correction& correction, std::optional<double> step = {}) {
    std::vector<double> values;
    for (const driver::Component& part : driver::components(correction))
        values.push_back(response::roundPart(part.value));
    return {driver::withValues(correction, values), step};
}

template <class Parts>
driver::Made<Design> design(const driver::Made<Parts>& made) {
    if (!made) return std::unexpected(made.error());
    return rounded(*made);
}

// The sample woofer's figures (driver::examples), the usual pad and a 25 cm baffle.
constexpr SectionField zobelFields[] = {
    {{"txtZobelRe", "Re", "otpor kalema", "oma", "6"},
     "Re: otpor kalema zvucnika za jednosmernu struju, u omima"},
    {{"txtZobelLe", "Le", "induktivnost kalema", "mH", "0,55"},
     "Le: induktivnost kalema zvucnika, u milihenrijima"},
    {{"txtZobelOdnos", "k", "odnos Rz prema Re", "", "1"},
     "k: koliko je Rz vece od Re, od 1 do 1,25; 1 ispravlja impedansu tacno"},
};
constexpr SectionField padFields[] = {
    {{"txtPadSlabljenje", "A", "slabljenje", "dB", "3"},
     "A: za koliko decibela se stisava zvucnik"},
    {{"txtPadZ", "Z", "impedansa zvucnika", "oma", "8"},
     "Z: impedansa zvucnika, koju pojacalo i skretnica i dalje vide, u omima"},
};
constexpr SectionField notchFields[] = {
    {{"txtRezonFs", "fs", "rezonantna ucestanost", "Hz", "42"},
     "fs: rezonantna ucestanost zvucnika, u hercima"},
    {{"txtRezonQms", "Qms", "mehanicki faktor dobrote", "", "3,2"},
     "Qms: mehanicki faktor dobrote zvucnika, bez jedinice"},
    {{"txtRezonQes", "Qes", "elektricni faktor dobrote", "", "0,42"},
     "Qes: elektricni faktor dobrote zvucnika, bez jedinice"},
    {{"txtRezonRe", "Re", "otpor kalema", "oma", "6"},
     "Re: otpor kalema zvucnika za jednosmernu struju, u omima"},
};
constexpr SectionField stepFields[] = {
    {{"txtPlocaSirina", "b", "sirina prednje ploce", "m", "0,25"},
     "b: sirina prednje ploce kutije, u metrima; stepenik je na 115 / b Hz"},
    {{"txtPlocaGubitak", "A", "gubitak za nadoknadu", "dB", "6"},
     "A: koliko se nivo spusta iznad stepenika, obicno 3 do 6 dB"},
    {{"txtPlocaZ", "Z", "impedansa zvucnika", "oma", "8"},
     "Z: impedansa basa sa kojim je kalem u seriji, u omima"},
};
constexpr SectionField common[] = {
    {{"txtSnagaPojacala", "P", "snaga pojacala", "W", "100"},
     "P: snaga pojacala u impedansi odeljka (Re za Zobel i filter rezonancije), u vatima"},
    {{"txtSnagaOtpornika", "Pr", "snaga otpornika", "W", "10"},
     "Pr: snaga otpornika koje kupujete; otpornik koji bi grejao vise je oznacen u tabeli"},
};

constexpr Section all[] = {
    {"grpZobel", "Zobel", zobelFields, "cmdZobel", "Izracunaj Zo&bel",
     "Rz i Cz na red, paralelno zvucniku: ponistavaju rast impedanse kalema", "tblZobel",
     [](std::span<const double> v) { return design(driver::zobel(v[0], v[1], v[2])); }, 0},
    {"grpAtenuator", "L-atenuator", padFields, "cmdAtenuator", "Izracunaj &L-atenuator",
     "Rs na red i Rp paralelno zvucniku: stisavaju ga za A dB, a impedansa ostaje Z",
     "tblAtenuator", [](std::span<const double> v) { return design(driver::lPad(v[0], v[1])); }, 1},
    {"grpRezonancija", "Filter rezonancije", notchFields, "cmdRezonancija",
     "Izracunaj filter &rezonancije",
     "Rn, Ln i Cn na red, paralelno zvucniku: poravnavaju vrh impedanse na rezonanciji",
     "tblRezonancija",
     [](std::span<const double> v) { return design(driver::notch(v[0], v[1], v[2], v[3])); }, 3},
    {"grpPloca", "Stepenik prednje ploce", stepFields, "cmdPloca", "Izracunaj &stepenik ploce",
     "Lb sa Rb paralelno, na red sa basom: spusta nivo iznad stepenika za A dB", "tblPloca",
     [](std::span<const double> v) -> driver::Made<Design> {
         const auto made = driver::baffleStep(v[0], v[1], v[2]);
         if (!made) return std::unexpected(made.error());
         return rounded(made->parts, made->frequency);
     },
     2},
};
static_assert(std::size(all) == std::variant_size_v<driver::Correction>);

}  // namespace

std::span<const Section> sections() { return all; }

std::span<const SectionField> commonFields() { return common; }

}  // namespace korekcija
