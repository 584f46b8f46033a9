#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <tuple>

#include "driver/measurement.h"
#include "project/json.h"
#include "project/names.h"
#include "project/project.h"

namespace project {

namespace {

using json::Value;
using Kind = Value::Kind;

std::unexpected<ReadError> fail(std::size_t line, const std::string& what) {
    return std::unexpected(ReadError{line, "na liniji " + std::to_string(line) + " " + what});
}

std::unexpected<ReadError> notAProject() {
    return std::unexpected(ReadError{0, "datoteka nije projekat programa Tav20"});
}

const Value* member(const Value& object, std::string_view key) {
    const auto at = std::ranges::find(object.keys, key);
    return at == object.keys.end() ? nullptr : &object.items[at - object.keys.begin()];
}

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Number:
            return "broj";
        case Kind::String:
            return "tekst";
        case Kind::Array:
            return "niz";
        case Kind::Object:
            return "objekat";
        default:
            return "vrednost";
    }
}

// Reads one object's members by name; each known member is taken once, and one left over is an
// error, so that a misspelt name is not silently lost.
class Members {
public:
    Members(const Value& object, std::string_view what) : m_object(object), m_what(what) {}

    std::expected<const Value*, ReadError> optional(std::string_view key, Kind kind) {
        m_known.push_back(key);
        const Value* value = member(m_object, key);
        if (value && value->kind != kind)
            return fail(value->line,
                        "polje \"" + std::string(key) + "\" treba da bude " + kindName(kind));
        return value;
    }

    std::expected<const Value*, ReadError> required(std::string_view key, Kind kind) {
        auto value = optional(key, kind);
        if (value && !*value)
            return fail(m_object.line,
                        std::string(m_what) + " nema polje \"" + std::string(key) + "\"");
        return value;
    }

    // A member read elsewhere.
    void allow(std::string_view key) { m_known.push_back(key); }

    std::expected<void, ReadError> noOthers() const {
        for (std::size_t i = 0; i < m_object.keys.size(); ++i)
            if (std::ranges::find(m_known, m_object.keys[i]) == m_known.end())
                return fail(
                    m_object.items[i].line,
                    std::string(m_what) + " ima nepoznato polje \"" + m_object.keys[i] + "\"");
        return {};
    }

private:
    const Value& m_object;
    std::string_view m_what;
    std::vector<std::string_view> m_known;
};

std::expected<double, ReadError> number(const Value& value, std::string_view key) {
    double number;
    const std::string& text = value.text;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(number))
        return fail(value.line, "polje \"" + std::string(key) + "\" je broj van opsega");
    return number;
}

std::expected<double, ReadError> requiredNumber(Members& members, std::string_view key,
                                                std::size_t* line = nullptr) {
    auto value = members.required(key, Kind::Number);
    if (!value) return std::unexpected(value.error());
    if (line) *line = (*value)->line;
    return number(**value, key);
}

// Each member of an object, a string, as a setting.
std::expected<std::vector<Setting>, ReadError> settings(const Value& object) {
    std::vector<Setting> settings;
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        if (object.items[i].kind != Kind::String)
            return fail(object.items[i].line,
                        "polje \"" + object.keys[i] + "\" treba da bude tekst");
        settings.push_back({object.keys[i], object.items[i].text});
    }
    return settings;
}

std::expected<Window, ReadError> window(const Value& value) {
    if (value.kind != Kind::Object) return fail(value.line, "prozor treba da bude objekat");
    Members members(value, "prozor");
    auto name = members.required("name", Kind::String);
    if (!name) return std::unexpected(name.error());
    auto fields = members.required("settings", Kind::Object);
    if (!fields) return std::unexpected(fields.error());
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    auto read = settings(**fields);
    if (!read) return std::unexpected(read.error());
    return Window{(*name)->text, std::move(*read)};
}

std::expected<std::optional<MeasuredFile>, ReadError> measuredFile(Members& owner,
                                                                   std::string_view key) {
    auto value = owner.optional(key, Kind::Object);
    if (!value) return std::unexpected(value.error());
    if (!*value) return std::nullopt;
    Members members(**value, "merena datoteka");
    auto name = members.required("file", Kind::String);
    if (!name) return std::unexpected(name.error());
    auto text = members.required("text", Kind::String);
    if (!text) return std::unexpected(text.error());
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    return MeasuredFile{(*name)->text, (*text)->text};
}

std::expected<driver::Parameters, ReadError> parameters(const Value& object) {
    Members members(object, "parametri zvucnika");
    driver::Parameters parameters{};
    std::array<std::size_t, parameterNames.size()> lines{};
    for (std::size_t i = 0; const auto& [key, field] : parameterNames) {
        auto value = requiredNumber(members, key, &lines[i++]);
        if (!value) return std::unexpected(value.error());
        parameters.*field = *value;
    }
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    if (const auto bad = driver::unusable(parameters))
        return fail(lines[std::size_t(bad->field)],
                    "parametar \"" + std::string(parameterNames[std::size_t(bad->field)].first) +
                        "\" se ne moze upotrebiti");
    return parameters;
}

std::expected<Measured, ReadError> measured(Members& members, std::size_t line) {
    Measured measured;
    auto nominal = requiredNumber(members, "nominal");
    if (!nominal) return std::unexpected(nominal.error());
    if (*nominal <= 0) return fail(line, "nominalna impedansa treba da bude veca od nule");
    measured.nominal = *nominal;
    auto frd = measuredFile(members, "frd");
    if (!frd) return std::unexpected(frd.error());
    auto zma = measuredFile(members, "zma");
    if (!zma) return std::unexpected(zma.error());
    if (!*frd && !*zma) return fail(line, "zvucnik iz merenja nema ni FRD ni ZMA datoteku");
    measured.response = std::move(*frd);
    measured.impedance = std::move(*zma);
    return measured;
}

std::expected<Driver, ReadError> driverEntry(const Value& value) {
    if (value.kind != Kind::Object) return fail(value.line, "zvucnik treba da bude objekat");
    Members members(value, "zvucnik");
    Driver entry;
    auto name = members.required("name", Kind::String);
    if (!name) return std::unexpected(name.error());
    entry.name = (*name)->text;
    auto offset = requiredNumber(members, "offset");
    if (!offset) return std::unexpected(offset.error());
    entry.offset = *offset;
    auto byParameters = members.optional("parameters", Kind::Object);
    if (!byParameters) return std::unexpected(byParameters.error());
    if (*byParameters) {
        auto read = parameters(**byParameters);
        if (!read) return std::unexpected(read.error());
        entry.known = *read;
    } else {
        auto read = measured(members, value.line);
        if (!read) return std::unexpected(read.error());
        entry.known = std::move(*read);
    }
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    if (auto model = modelOf(entry); !model)
        return fail(value.line, "zvucnik \"" + entry.name + "\": " + model.error().message);
    return entry;
}

// What the resistors take, "amplifier" and "watts" by resistor name: both or neither.
std::expected<void, ReadError> readPowers(Members& members, std::size_t line,
                                          const driver::Correction& parts, Correction& kept) {
    auto amplifier = members.optional("amplifier", Kind::Number);
    if (!amplifier) return std::unexpected(amplifier.error());
    auto watts = members.optional("watts", Kind::Object);
    if (!watts) return std::unexpected(watts.error());
    if (!*amplifier && !*watts) return {};
    if (!*amplifier || !*watts)
        return fail(line, "korekcija ima samo jedno od polja \"amplifier\" i \"watts\"");
    auto amplifierWatts = number(**amplifier, "amplifier");
    if (!amplifierWatts) return std::unexpected(amplifierWatts.error());
    if (*amplifierWatts <= 0)
        return fail((*amplifier)->line, "snaga pojacala treba da bude veca od nule");
    kept.amplifierWatts = *amplifierWatts;
    Members resistors(**watts, "snage otpornika");
    for (const driver::Component& part : driver::components(parts)) {
        if (part.element != driver::Element::Resistor) continue;
        auto read = requiredNumber(resistors, part.name);
        if (!read) return std::unexpected(read.error());
        if (*read < 0)
            return fail((*watts)->line,
                        std::string("snaga otpornika ") + part.name + " je ispod nule");
        kept.resistorWatts.push_back(*read);
    }
    return resistors.noOthers();
}

std::expected<Correction, ReadError> correction(const Value& value) {
    if (value.kind != Kind::Object) return fail(value.line, "korekcija treba da bude objekat");
    Members members(value, "korekcija");
    auto kind = members.required("kind", Kind::String);
    if (!kind) return std::unexpected(kind.error());
    const auto known = std::ranges::find(correctionKinds, (*kind)->text);
    if (known == correctionKinds.end())
        return fail((*kind)->line, "nepoznata vrsta korekcije \"" + (*kind)->text + "\"");
    static const driver::Correction blank[] = {driver::Zobel{}, driver::LPad{}, driver::Notch{},
                                               driver::BaffleStep{}};
    const driver::Correction& shape = blank[known - correctionKinds.begin()];
    auto parts = members.required("parts", Kind::Object);
    if (!parts) return std::unexpected(parts.error());
    Members partMembers(**parts, "delovi korekcije");
    std::vector<double> values;
    for (const driver::Component& part : driver::components(shape)) {
        auto read = requiredNumber(partMembers, part.name);
        if (!read) return std::unexpected(read.error());
        if (*read <= 0)
            return fail((*parts)->line,
                        std::string("deo ") + part.name + " treba da bude veci od nule");
        values.push_back(*read);
    }
    if (auto done = partMembers.noOthers(); !done) return std::unexpected(done.error());
    Correction kept{driver::withValues(shape, values)};
    if (auto powers = readPowers(members, value.line, kept.parts, kept); !powers)
        return std::unexpected(powers.error());
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    return kept;
}

template <class T, class ReadItem>
std::expected<std::vector<T>, ReadError> list(Members& members, std::string_view key,
                                              ReadItem readItem) {
    auto array = members.required(key, Kind::Array);
    if (!array) return std::unexpected(array.error());
    std::vector<T> items;
    for (const Value& value : (*array)->items) {
        auto item = readItem(value);
        if (!item) return std::unexpected(item.error());
        items.push_back(std::move(*item));
    }
    return items;
}

// The version first: a newer file may hold what this one would call damage.
std::expected<void, ReadError> supportedVersion(const Value& root) {
    const Value* version = member(root, "version");
    if (!version) return fail(root.line, "projekat nema polje \"version\"");
    const std::string& text = version->text;
    const bool whole = version->kind == Kind::Number && !text.empty() && text.size() <= 9 &&
                       std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
    if (!whole || text == "0" || text.starts_with('0'))
        return fail(version->line, "polje \"version\" treba da bude ceo broj od 1 navise");
    if (std::stoi(text) > currentVersion)
        return std::unexpected(
            ReadError{0, "projekat je sacuvala novija verzija programa (format " + text +
                             "); ova verzija cita format do " + std::to_string(currentVersion)});
    return {};
}

template <class T>
bool unique(const std::vector<T>& items, auto key) {
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (key(items[i]) == key(items[j])) return false;
    return true;
}

}  // namespace

std::expected<driver::Driver, ReadError> modelOf(const Driver& entry) {
    if (const auto* parameters = std::get_if<driver::Parameters>(&entry.known)) return *parameters;
    const auto& files = std::get<Measured>(entry.known);
    driver::Measured model;
    model.nominal = files.nominal;
    for (const auto& [file, kind, read] :
         {std::tuple{&files.response, driver::FileKind::Frd, &model.response},
          std::tuple{&files.impedance, driver::FileKind::Zma, &model.impedance}}) {
        if (!*file) continue;
        auto measurement = driver::readMeasurement(kind, (*file)->text);
        if (!measurement)
            return std::unexpected(
                ReadError{0, "datoteka " + (*file)->name + " " + measurement.error().message});
        *read = std::move(*measurement);
    }
    return model;
}

std::expected<Project, ReadError> readProject(std::string_view bytes) {
    if (bytes.size() > maxFileSize)
        return std::unexpected(ReadError{0, "datoteka je veca od 10 MB, a projekat nije toliki"});
    const auto start = bytes.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || bytes[start] != '{') return notAProject();
    auto root = json::parse(bytes);
    if (!root) return std::unexpected(root.error());
    const Value* program = member(*root, "program");
    if (!program || program->kind != Kind::String || program->text != "Tav20") return notAProject();
    if (auto supported = supportedVersion(*root); !supported)
        return std::unexpected(supported.error());

    Members members(*root, "projekat");
    members.allow("program");
    members.allow("version");
    Project project;
    auto windows = list<Window>(members, "windows", window);
    if (!windows) return std::unexpected(windows.error());
    if (!unique(*windows, [](const Window& w) { return w.name; }))
        return fail(root->line, "isti prozor je u projektu dva puta");
    auto drivers = list<Driver>(members, "drivers", driverEntry);
    if (!drivers) return std::unexpected(drivers.error());
    auto corrections = list<Correction>(members, "corrections", correction);
    if (!corrections) return std::unexpected(corrections.error());
    if (!unique(*corrections, [](const Correction& c) { return c.parts.index(); }))
        return fail(root->line, "ista vrsta korekcije je u projektu dva puta");
    if (auto done = members.noOthers(); !done) return std::unexpected(done.error());
    return Project{std::move(*windows), std::move(*drivers), std::move(*corrections)};
}

}  // namespace project
