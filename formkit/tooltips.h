#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace formkit {

// What a control of a designed form means and in what unit, shown as its tooltip. Kept apart
// from the control table, whose captions stay as designed.
struct Tooltip {
    std::string_view control;  // the control's name in its table
    std::string_view text;
};

// Sets each control's tooltip on a loaded form.
void applyTooltips(QWidget& form, std::span<const Tooltip> tooltips);

}  // namespace formkit
