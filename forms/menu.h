#pragma once

#include <span>
#include <string_view>

#include "forms/forms.h"

namespace forms {

// The main window's menu bar, in order: a row without a parent sits on the
// bar, and a drop-down row opens a drop-down. A window of our own is named by
// its objectName; the program gives the main window its design. Help shows the
// page of the window in front, as F1 does anywhere. The tooltip says what the
// entry opens, for a newcomer and a screen reader.
struct MenuRow {
    enum class Command { DropDown, Show, New, Open, Save, SaveAs, Print, ExportPdf, Exit, Help };
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    std::string_view tooltip;
    Command command;
    const FormDesign* form = nullptr;
    std::string_view window = {};
};

std::span<const MenuRow> menuRows();

}  // namespace forms
