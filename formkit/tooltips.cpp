#include "formkit/tooltips.h"

#include "formkit/form_loader.h"
#include "formkit/text.h"

namespace formkit {

void applyTooltips(QWidget& form, std::span<const Tooltip> tooltips) {
    for (const Tooltip& tooltip : tooltips)
        control<QWidget>(&form, tooltip.control)->setToolTip(toQString(tooltip.text));
}

}  // namespace formkit
