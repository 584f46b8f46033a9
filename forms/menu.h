#pragma once

#include <span>
#include <string_view>

#include "forms/forms.h"
#include "forms/workspace.h"

namespace forms {

// The main window's menu bar, in order: a row without a parent sits on the
// bar, and a row that shows no form or window and does not exit opens a
// drop-down.
struct MenuRow {
    enum class Command { DropDown, Show, Exit };
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    Command command;
    const FormDesign* form = nullptr;
    const WindowDesign* window = nullptr;
};

std::span<const MenuRow> menuRows();

}  // namespace forms
