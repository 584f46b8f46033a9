#pragma once

#include <span>
#include <string_view>

#include "forms/forms.h"

namespace forms {

// The main window's menu bar, in order: a row without a parent sits on the
// bar, and a row that shows no form or window and does not exit opens a
// drop-down. A window of our own is named by its objectName; the program
// gives the main window its design.
struct MenuRow {
    enum class Command { DropDown, Show, Exit };
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    Command command;
    const FormDesign* form = nullptr;
    std::string_view window = {};
};

std::span<const MenuRow> menuRows();

}  // namespace forms
