#include <charconv>
#include <string>

#include "project/json.h"
#include "project/names.h"
#include "project/project.h"

namespace project {

namespace {

// The shortest text that reads back as the same double.
std::string number(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

// Writes one object at an indent: members are added one per line.
class ObjectWriter {
public:
    ObjectWriter(std::string& out, int indent) : m_out(out), m_indent(indent) { m_out += '{'; }

    std::string& member(std::string_view key) {
        m_out += m_first ? "\n" : ",\n";
        m_first = false;
        m_out.append(m_indent + 2, ' ') += json::quoted(key) + ": ";
        return m_out;
    }

    void close() {
        if (!m_first) m_out.append("\n").append(m_indent, ' ');
        m_out += '}';
    }

private:
    std::string& m_out;
    int m_indent;
    bool m_first = true;
};

void writeSettings(std::string& out, int indent, const std::vector<Setting>& settings) {
    ObjectWriter object(out, indent);
    for (const Setting& setting : settings)
        object.member(setting.name) += json::quoted(setting.text);
    object.close();
}

void writeFile(std::string& out, int indent, const MeasuredFile& file) {
    ObjectWriter object(out, indent);
    object.member("file") += json::quoted(file.name);
    object.member("text") += json::quoted(file.text);
    object.close();
}

void writeDriver(std::string& out, int indent, const Driver& entry) {
    ObjectWriter object(out, indent);
    object.member("name") += json::quoted(entry.name);
    object.member("offset") += number(entry.offset);
    if (const auto* parameters = std::get_if<driver::Parameters>(&entry.known)) {
        ObjectWriter values(object.member("parameters"), indent + 2);
        for (const auto& [name, field] : parameterNames)
            values.member(name) += number(parameters->*field);
        values.close();
    } else {
        const auto& measured = std::get<Measured>(entry.known);
        object.member("nominal") += number(measured.nominal);
        if (measured.response) writeFile(object.member("frd"), indent + 2, *measured.response);
        if (measured.impedance) writeFile(object.member("zma"), indent + 2, *measured.impedance);
    }
    object.close();
}

void writeCorrection(std::string& out, int indent, const Correction& correction) {
    ObjectWriter object(out, indent);
    object.member("kind") += json::quoted(correctionKinds[correction.parts.index()]);
    const std::vector<driver::Component> components = driver::components(correction.parts);
    ObjectWriter parts(object.member("parts"), indent + 2);
    for (const driver::Component& part : components) parts.member(part.name) += number(part.value);
    parts.close();
    if (correction.amplifierWatts > 0) {
        object.member("amplifier") += number(correction.amplifierWatts);
        ObjectWriter watts(object.member("watts"), indent + 2);
        std::size_t resistor = 0;
        for (const driver::Component& part : components)
            if (part.element == driver::Element::Resistor &&
                resistor < correction.resistorWatts.size())
                watts.member(part.name) += number(correction.resistorWatts[resistor++]);
        watts.close();
    }
    object.close();
}

template <class T, class Write>
void writeArray(std::string& out, int indent, const std::vector<T>& items, Write write) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        out.append(i ? ",\n" : "\n").append(indent + 2, ' ');
        write(out, indent + 2, items[i]);
    }
    if (!items.empty()) out.append("\n").append(indent, ' ');
    out += ']';
}

}  // namespace

std::string writeProject(const Project& project) {
    std::string out;
    ObjectWriter root(out, 0);
    root.member("program") += json::quoted("Tav20");
    root.member("version") += std::to_string(currentVersion);
    writeArray(root.member("windows"), 2, project.windows,
               [](std::string& out, int indent, const Window& window) {
                   ObjectWriter object(out, indent);
                   object.member("name") += json::quoted(window.name);
                   writeSettings(object.member("settings"), indent + 2, window.settings);
                   object.close();
               });
    writeArray(root.member("drivers"), 2, project.drivers, writeDriver);
    writeArray(root.member("corrections"), 2, project.corrections, writeCorrection);
    root.close();
    return out + '\n';
}

}  // namespace project
