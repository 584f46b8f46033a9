#pragma once

#include <optional>
#include <span>

#include "driver/correction.h"
#include "formkit/window_rows.h"

namespace korekcija {

// A network as a section computes it: its parts as the window shows them, each after
// response::roundPart, and a baffle step's frequency.
struct Design {
    driver::Correction correction;
    std::optional<double> step;  // Hz
};

struct SectionField {
    formkit::FieldText text;
    const char* tip;  // what it means, in its unit
};

// One section of the window: its fields, in the order its maker takes them, its button and the
// table of its parts. The amplifier's power is counted into the field `ratedInto`.
struct Section {
    const char* name;  // the group's objectName
    const char* title;
    std::span<const SectionField> fields;
    const char* button;  // objectName
    const char* caption;
    const char* buttonTip;
    const char* table;  // objectName
    driver::Made<Design> (*make)(std::span<const double> values);
    std::size_t ratedInto;
};

// In the order of driver::Correction.
std::span<const Section> sections();

// The amplifier and the resistors bought, which every section's powers are counted from.
enum class Common { Power, Rating };
std::span<const SectionField> commonFields();

}  // namespace korekcija
