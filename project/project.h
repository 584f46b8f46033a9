#pragma once

// A builder's design as kept in a file, without Qt: what was typed and chosen, never what was
// computed from it, which the windows compute again when it is opened.
//
// Bytes in: readProject takes a file's bytes, all or nothing, and gives a Project or a ReadError
// naming the line and what was wrong there; a file over maxFileSize, from a newer version, damaged
// or not a project is refused. writeProject gives the bytes of a Project: JSON with a "version",
// every typed number kept as the text it was typed as, and a measured file's text embedded whole,
// so that the project opens on another computer.

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "driver/correction.h"
#include "driver/model.h"
#include "driver/parameters.h"
#include "project/read_error.h"

namespace project {

// The version writeProject writes; readProject reads it and every one before.
inline constexpr int currentVersion = 1;
inline constexpr std::size_t maxFileSize = 10'000'000;

// A field or a choice of a window: its objectName and its text as typed or shown ("8", "3000,5",
// "E12"; a check as "1" or "0"), in the order the window lists them.
struct Setting {
    std::string name;
    std::string text;
    bool operator==(const Setting&) const = default;
};

// An open window, a form or one of our own, by its objectName.
struct Window {
    std::string name;
    std::vector<Setting> settings;
    bool operator==(const Window&) const = default;
};

// A measured file as it was chosen: its name and its bytes.
struct MeasuredFile {
    std::string name;
    std::string text;
    bool operator==(const MeasuredFile&) const = default;
};

struct Measured {
    std::optional<MeasuredFile> response;   // FRD
    std::optional<MeasuredFile> impedance;  // ZMA
    double nominal = 8;                     // ohm
    bool operator==(const Measured&) const = default;
};

// A driver of the list, in the list's order.
struct Driver {
    std::string name;
    double offset = 0;  // mm
    std::variant<driver::Parameters, Measured> known;
};

// The driver a project's driver describes, its files read again.
std::expected<driver::Driver, ReadError> modelOf(const Driver&);

// A correction as it was computed, with what its resistors take on the amplifier they were counted
// for, where they were.
struct Correction {
    driver::Correction parts;
    double amplifierWatts = 0;          // W; 0 where nothing was counted
    std::vector<double> resistorWatts;  // W, of its resistors in driver::components' order

    bool operator==(const Correction&) const = default;
};

struct Project {
    std::vector<Window> windows;  // in the order they were opened
    std::vector<Driver> drivers;
    // The last of each kind computed, in the order of driver::Correction.
    std::vector<Correction> corrections;
};

std::expected<Project, ReadError> readProject(std::string_view bytes);
std::string writeProject(const Project&);

}  // namespace project
