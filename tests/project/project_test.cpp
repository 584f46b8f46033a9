#include "project/project.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "project/json.h"

namespace {

std::string fileText(const std::string& name) {
    std::ifstream in(std::string(TAV20_PRIMERI) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

project::Project everyKind() {
    return {
        .windows = {{"frmBas", {{"Text1", "8"}, {"Text2", "3000,5"}}},
                    {"frmOdziv", {{"serija", "E12"}, {"zbir0", "1"}}},
                    {"frmNamotaj", {}}},
        .drivers = {{"bas \"16\"", 12.5, driver::Parameters{5.6, 0.45, 38, 3.1, 0.42, 87.5, 0, 0}},
                    {"visoki", 0.1,
                     project::Measured{{{"visoki-25mm.frd", fileText("visoki-25mm.frd")}},
                                       {{"visoki-25mm.zma", fileText("visoki-25mm.zma")}},
                                       6}},
                    {"srednji", 0, project::Measured{{}, {{"s.zma", fileText("srednji-10cm.zma")}}, 8}}},
        .corrections = {{driver::Zobel{6.2, 15.3}}, {driver::LPad{2.1, 13.7}, 100, {29.23, 0.1 + 0.7}},
                        {driver::Notch{7.1, 4.4, 310}}, {driver::BaffleStep{5.5, 0.1 + 0.2}, 50, {3}}},
    };
}

// ---- What is written reads back the same, and writes the same bytes again.

TEST(RoundTrip, EveryPartOfAProjectComesBack) {
    const std::string written = project::writeProject(everyKind());
    const auto read = project::readProject(written);
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->windows, everyKind().windows);
    EXPECT_EQ(read->corrections, everyKind().corrections);  // 0.1 + 0.2 to its last bit
    ASSERT_EQ(read->drivers.size(), 3u);
    EXPECT_EQ(read->drivers[0].name, "bas \"16\"");
    EXPECT_EQ(read->drivers[0].offset, 12.5);
    EXPECT_EQ(std::get<driver::Parameters>(read->drivers[0].known).sensitivity, 87.5);
    EXPECT_EQ(std::get<project::Measured>(read->drivers[1].known),
              std::get<project::Measured>(everyKind().drivers[1].known));
    EXPECT_EQ(project::writeProject(*read), written);
}

TEST(RoundTrip, EmbeddedFilesGiveTheDriverTheirOwnFilesGive) {
    const auto read = project::readProject(project::writeProject(everyKind()));
    ASSERT_TRUE(read);
    const auto model = project::modelOf(read->drivers[1]);
    ASSERT_TRUE(model);
    const auto frd = driver::readMeasurement(driver::FileKind::Frd, fileText("visoki-25mm.frd"));
    for (double f : {310.0, 2000.0, 19000.0}) EXPECT_EQ(driver::acoustic(*model, f), frd->at(f)) << f;
}

// ---- Texts: whatever was typed or embedded makes a valid file and comes back.

TEST(Texts, OddCharactersComeBackExactly) {
    for (const std::string& text :
         std::initializer_list<std::string>{"\"navodnici\" i \\", "red\nred\r\n\ttab", std::string("nul\0x", 5), "\x7f",
                                            "sa\xc5\xa1ka \xf0\x9f\x94\x8a", "/"}) {
        const auto value = project::json::parse(project::json::quoted(text));
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(value->text, text);
    }
}

TEST(Texts, AByteThatIsNoUtf8ComesBackAsItsLatin1Character) {
    const auto value = project::json::parse(project::json::quoted("Gr\xfc\xdf\xc5 \xed\xa0\x80"));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, "Gr\xc3\xbc\xc3\x9f\xc3\x85 \xc3\xad\xc2\xa0\xc2\x80");
}

TEST(Texts, EscapesOfOtherWritersAreRead) {
    const auto value = project::json::parse(R"("\u0161\u00E8\ud83d\udd0a\/")");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, "\xc5\xa1\xc3\xa8\xf0\x9f\x94\x8a/");
}

// ---- A file written by hand in version 1 keeps opening: the format is a promise.

TEST(Format, AVersionOneFileWrittenByHandReads) {
    const auto read = project::readProject(R"({
  "version": 1, "program": "Tav20",
  "windows": [{"name": "frmVisoki", "settings": {"Text1": "4,7"}}],
  "drivers": [{"name": "t", "offset": 1e1, "nominal": 4, "frd": {"file": "t.frd", "text": "1 2\n3 4\n"}}],
  "corrections": [{"kind": "l-pad", "parts": {"Rs": 3, "Rp": 12.25}}]
})");
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->windows[0].settings[0].text, "4,7");
    EXPECT_EQ(read->drivers[0].offset, 10);
    EXPECT_EQ(read->corrections[0], (project::Correction{driver::LPad{3, 12.25}}));
}

// ---- Refusals: each names its line and what was wrong, and nothing is half read.

struct Refusal {
    const char* name;
    std::string bytes;
    std::size_t line;
    const char* says;
};

std::string project(const std::string& members) { return "{\"program\": \"Tav20\", \"version\": 1,\n" + members + "}"; }
const std::string lists = R"("windows": [], "drivers": [], "corrections": [])";

TEST(Refusals, EachNamesWhatIsWrong) {
    const Refusal refusals[] = {
        {"too large", std::string(project::maxFileSize + 1, ' '), 0, "10 MB"},
        {"a picture", "\x89PNG\r\n", 0, "nije projekat"},
        {"an array", "[1]", 0, "nije projekat"},
        {"another program's JSON", R"({"program": "X", "version": 1})", 0, "nije projekat"},
        {"a newer version", R"({"program": "Tav20", "version": 2, "novo": []})", 0, "novija verzija"},
        {"a version as text", R"({"program": "Tav20", "version": "1"})", 1, "ceo broj"},
        {"a fractional version", R"({"program": "Tav20", "version": 1.0})", 1, "ceo broj"},
        {"cut short", project(lists).substr(0, 60), 2, "ocekivan"},
        {"two values", project(lists) + "{}", 2, "kraj datoteke"},
        {"a key twice", project(lists + R"(, "windows": [])"), 2, "dva puta"},
        {"an unknown member", project(lists + R"(, "boja": "plava")"), 2, "nepoznato polje \"boja\""},
        {"no drivers", project(R"("windows": [], "corrections": [])"), 1, "nema polje \"drivers\""},
        {"a field as a number", project(R"("windows": [{"name": "frmBas", "settings": {"Text1": 8}}],
            "drivers": [], "corrections": [])"),
         2, "\"Text1\" treba da bude tekst"},
        {"a window twice", project(R"("windows": [{"name": "a", "settings": {}},
            {"name": "a", "settings": {}}], "drivers": [], "corrections": [])"),
         1, "dva puta"},
        {"an unusable parameter", project(R"("windows": [], "drivers": [{"name": "b", "offset": 0,
            "parameters": {"re": 6, "le": 0, "fs": 40, "qms": 3, "qes": 0, "sensitivity": 88,
            "r2": 0, "l2": 0}}], "corrections": [])"),
         3, "\"qes\""},
        {"a damaged embedded file", project(R"("windows": [], "drivers": [{"name": "b", "offset": 0,
            "nominal": 8, "zma": {"file": "b.zma", "text": "1 2 3\nx\n"}}], "corrections": [])"),
         2, "b.zma na liniji 2"},
        {"measured without files", project(R"("windows": [], "drivers": [{"name": "b", "offset": 0,
            "nominal": 8}], "corrections": [])"),
         2, "ni FRD ni ZMA"},
        {"an offset beyond a double", project(R"("windows": [], "drivers": [{"name": "b",
            "offset": 1e999, "nominal": 8, "frd": {"file": "f", "text": "1 2\n3 4"}}], "corrections": [])"),
         3, "van opsega"},
        {"an unknown correction", project(R"("windows": [], "drivers": [],
            "corrections": [{"kind": "bas-refleks", "parts": {}}])"),
         3, "bas-refleks"},
        {"a missing part", project(R"("windows": [], "drivers": [],
            "corrections": [{"kind": "zobel", "parts": {"Rz": 6}}])"),
         3, "\"Cz\""},
        {"a part of zero", project(R"("windows": [], "drivers": [],
            "corrections": [{"kind": "zobel", "parts": {"Rz": 6, "Cz": 0}}])"),
         3, "Cz"},
        {"powers without their amplifier", project(R"("windows": [], "drivers": [],
            "corrections": [{"kind": "l-pad", "parts": {"Rs": 2, "Rp": 14}, "watts": {"Rs": 1, "Rp": 2}}])"),
         3, "\"amplifier\""},
        {"a resistor's power missing", project(R"("windows": [], "drivers": [], "corrections": [
            {"kind": "l-pad", "parts": {"Rs": 2, "Rp": 14}, "amplifier": 100, "watts": {"Rs": 1}}])"),
         3, "\"Rp\""},
        {"a correction twice", project(R"("windows": [], "drivers": [], "corrections": [
            {"kind": "zobel", "parts": {"Rz": 6, "Cz": 1}}, {"kind": "zobel", "parts": {"Rz": 6, "Cz": 2}}])"),
         1, "dva puta"},
        {"a byte that is no UTF-8", project("\"windows\": [{\"name\": \"\xff\"}]"), 2, "UTF-8"},
        {"a lone surrogate", project(R"("windows": [{"name": "\udc00"}])"), 2, "surogat"},
        {"a raw line break in a text", project("\"windows\": [{\"name\": \"a\nb\"}]"), 2, "kontrolni"},
        {"nesting too deep", project("\"windows\": " + std::string(100, '[')), 2, "dublje"},
    };
    for (const Refusal& refusal : refusals) {
        const auto read = project::readProject(refusal.bytes);
        ASSERT_FALSE(read) << refusal.name;
        EXPECT_EQ(read.error().line, refusal.line) << refusal.name << ": " << read.error().message;
        EXPECT_NE(read.error().message.find(refusal.says), std::string::npos)
            << refusal.name << ": " << read.error().message;
        if (refusal.line) {
            EXPECT_TRUE(read.error().message.starts_with("na liniji " + std::to_string(refusal.line) + " "))
                << refusal.name << ": " << read.error().message;
        }
    }
}

}  // namespace
