#pragma once

// Rows of text as a spreadsheet reads them (RFC 4180), without Qt.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

// A line of a table: its cells' texts, UTF-8.
using Row = std::vector<std::string>;

// The field separator a spreadsheet of the region splits on: where the decimal separator is a
// comma, the numbers hold commas, and a semicolon parts the fields.
char separatorFor(std::string_view decimal);

// The rows, each line ending in "\r\n"; a field that holds the separator, a double quote or a
// line break is put in double quotes, its own quotes doubled.
std::string text(std::span<const Row> rows, char separator);

}  // namespace csv
