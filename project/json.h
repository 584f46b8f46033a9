#pragma once

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>
#include <vector>

#include "project/read_error.h"

namespace project::json {

// A parsed JSON value with the line it starts on, for errors that name it. A number keeps its text;
// an object keeps its members in the order written.
struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::size_t line = 1;
    std::string text;               // a string's characters, a number's digits, "true" or "false"
    std::vector<Value> items;       // an array's items or an object's values
    std::vector<std::string> keys;  // an object's keys, each once, beside its value in items
};

// Nesting deeper than this is refused, so that a hostile file cannot exhaust the stack.
inline constexpr int maxDepth = 64;

// RFC 8259 JSON in UTF-8: one value, blanks around it; a key twice in one object is an error.
std::expected<Value, ReadError> parse(std::string_view bytes);

// `text` as a JSON string, quotes included. A byte that begins no UTF-8 character is written as
// the Latin-1 character of that byte, so that any bytes make a valid file.
std::string quoted(std::string_view text);

}  // namespace project::json
