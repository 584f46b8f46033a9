#include "formkit/colours.h"

namespace formkit {

namespace {
QPalette::ColorRole roleOf(int systemIndex) {
    switch (systemIndex) {
        case sys::scrollBar:
            return QPalette::Midlight;
        case sys::appWorkspace:
            return QPalette::Dark;
        case sys::buttonText:
            return QPalette::ButtonText;
        case sys::buttonFace:
        default:
            return QPalette::Button;
    }
}
}  // namespace

QColor colourOf(Colour colour, const QPalette& palette) {
    switch (colour.type) {
        case Colour::Type::System:
            return palette.color(roleOf(colour.value));
        case Colour::Type::Rgb:
            return QColor::fromRgb(QRgb(colour.value));
        case Colour::Type::Standard:
            break;
    }
    return {};
}

}  // namespace formkit
