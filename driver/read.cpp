#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

#include "driver/measurement.h"

namespace driver {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    return line;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// A data line starts with a number: a digit after an optional sign and point. Anything else
// before the data is a header ("Freq dB Phase").
bool startsWithNumber(std::string_view line) {
    if (line.starts_with('+') || line.starts_with('-')) line.remove_prefix(1);
    if (line.starts_with('.')) line.remove_prefix(1);
    return !line.empty() && digit(line.front());
}

// A comma is a decimal comma where blanks or semicolons part the columns and every comma stands
// inside a column ("1000,5;85,2", "1000,5 85,2"); else commas part the columns too
// ("1000,85.2,-12.3", "1000, 85.2, -12.3").
bool decimalComma(std::string_view line) {
    int columns = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t end = std::min(line.find_first_of(" \t\v\f;", i), line.size());
        if (end > i) {
            if (line[i] == ',' || line[end - 1] == ',') return false;
            ++columns;
        }
        i = end + 1;
    }
    return columns >= 2;
}

// A whole column as a number, nan and inf included (refused later by name); out of the double
// range is infinite.
std::optional<double> number(std::string_view column, bool comma, std::string& scratch) {
    if (comma && column.find(',') != std::string_view::npos) {
        scratch.assign(column);
        std::replace(scratch.begin(), scratch.end(), ',', '.');
        column = scratch;
    }
    if (column.starts_with('+') && column.size() > 1 && column[1] != '-') column.remove_prefix(1);
    double value;
    const auto [end, error] = std::from_chars(column.data(), column.data() + column.size(), value);
    if (end != column.data() + column.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) return HUGE_VAL;
    if (error != std::errc{}) return std::nullopt;
    return value;
}

struct Row {
    std::array<double, 3> value{};
    int columns = 0;
};

// The two or three numbers of a data line. Columns are parted by blanks with at most one comma or
// semicolon among them: two in a row leave an empty column, which is no number. One after the last
// column is a trailing separator, as spreadsheets write it.
std::optional<Row> row(std::string_view line, std::string& scratch) {
    const bool comma = decimalComma(line);
    auto separator = [comma](char c) { return c == ';' || (c == ',' && !comma); };
    Row row;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t end = i;
        while (end < line.size() && !blank(line[end]) && !separator(line[end])) ++end;
        if (end == i || row.columns == 3) return std::nullopt;
        const auto value = number(line.substr(i, end - i), comma, scratch);
        if (!value) return std::nullopt;
        row.value[row.columns++] = *value;
        int separators = 0;
        for (; end < line.size() && (blank(line[end]) || separator(line[end])); ++end)
            separators += separator(line[end]);
        if (separators > 1) return std::nullopt;
        i = end;
    }
    if (row.columns < 2) return std::nullopt;
    return row;
}

ReadError at(std::size_t line, std::string_view what) {
    return {line, "na liniji " + std::to_string(line) + " " + std::string(what)};
}

std::string columnsExpected(FileKind kind, int columns) {
    const std::string magnitude = kind == FileKind::Frd ? "nivo" : "impedansa";
    switch (columns) {
        case 2:
            return "ocekivana su dva broja: frekvencija i " + magnitude;
        case 3:
            return "ocekivana su tri broja: frekvencija, " + magnitude + " i faza";
        default:
            return "ocekivana su dva ili tri broja: frekvencija, " + magnitude + " i faza";
    }
}

// What a data line's numbers must be, or the reason they are not.
std::optional<std::string_view> refused(FileKind kind, const Row& row) {
    if (!std::all_of(row.value.begin(), row.value.end(), [](double v) { return std::isfinite(v); }))
        return "ocekivani su konacni brojevi, a ne beskonacnost ili NaN";
    if (row.value[0] <= 0) return "ocekivana je frekvencija veca od nule";
    if (kind == FileKind::Zma && row.value[1] <= 0) return "ocekivana je impedansa veca od nule";
    // Within 1000 dB of 1 the exponential of any interpolated level stays far inside the double
    // range, so that every value at() gives is finite; no measurement comes near.
    const double decibels = kind == FileKind::Frd ? row.value[1] : 20 * std::log10(row.value[1]);
    if (std::fabs(decibels) > 1000)
        return kind == FileKind::Frd ? "ocekivan je nivo izmedju -1000 i 1000 dB"
                                     : "ocekivana je impedansa izmedju 1e-50 i 1e50 oma";
    return std::nullopt;
}

struct Point {
    double logFrequency;
    Sample sample;
};

// Phase jumps of more than 180 degrees between neighbours are wraps; the first phase is brought
// into (-180, 180].
void unwrap(std::vector<Point>& points) {
    double previous = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double phase = std::remainder(points[i].sample.phase, 360);
        points[i].sample.phase =
            i == 0 ? (phase == -180 ? 180 : phase)
                   : points[i - 1].sample.phase + std::remainder(phase - previous, 360);
        previous = phase;
    }
}

}  // namespace

std::expected<Measurement, ReadError> readMeasurement(FileKind kind, std::string_view bytes) {
    if (bytes.size() > maxFileSize)
        return std::unexpected(
            ReadError{0, "datoteka je veca od 10 MB: ocekivano je merenje do 10 MB"});
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    std::vector<Point> points;
    int columns = 0;  // of the first data line, which every other must match
    std::string scratch;
    std::size_t line = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view text = trimmed(bytes.substr(start, end - start));
        ++line;
        const bool comment =
            !text.empty() && std::string_view("*#;'").find(text.front()) != std::string_view::npos;
        if (!text.empty() && !comment && (columns > 0 || startsWithNumber(text))) {
            const std::optional<Row> numbers =
                startsWithNumber(text) ? row(text, scratch) : std::nullopt;
            if (!numbers || (columns > 0 && numbers->columns != columns))
                return std::unexpected(at(line, columnsExpected(kind, columns)));
            if (const auto why = refused(kind, *numbers)) return std::unexpected(at(line, *why));
            columns = numbers->columns;
            const auto [frequency, magnitude, phase] = numbers->value;
            points.push_back({std::log(frequency), {frequency, magnitude, phase}});
        }
        if (end == bytes.size()) break;
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }

    // Sorted by frequency; of frequencies alike (to the bit of their logarithm) the first in the
    // file stays.
    std::stable_sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
        return a.sample.frequency < b.sample.frequency;
    });
    points.erase(std::unique(points.begin(), points.end(),
                             [](const Point& a, const Point& b) {
                                 return a.logFrequency == b.logFrequency;
                             }),
                 points.end());
    if (points.size() < 2)
        return std::unexpected(
            at(line,
               "datoteka se zavrsava, a ocekivane su bar dve tacke na razlicitim frekvencijama"));

    if (columns == 3) unwrap(points);
    std::vector<Sample> samples;
    samples.reserve(points.size());
    for (const Point& p : points) samples.push_back(p.sample);
    return Measurement(kind, std::move(samples), columns == 2);
}

}  // namespace driver
