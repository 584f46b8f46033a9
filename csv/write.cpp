#include <iterator>

#include "csv/csv.h"

namespace csv {

namespace {

// Byte by byte: none of the characters looked for occurs inside a UTF-8 sequence.
void appendField(std::string& out, std::string_view field, char separator) {
    const char special[] = {separator, '"', '\n', '\r'};
    if (field.find_first_of(std::string_view(special, std::size(special))) ==
        std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

char separatorFor(std::string_view decimal) { return decimal == "," ? ';' : ','; }

// "\r\n", as RFC 4180 has it: Excel on Windows expects it, and LibreOffice reads either.
std::string text(std::span<const Row> rows, char separator) {
    std::string out;
    for (const Row& row : rows) {
        for (std::size_t cell = 0; cell < row.size(); ++cell) {
            if (cell > 0) out += separator;
            appendField(out, row[cell], separator);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace csv
