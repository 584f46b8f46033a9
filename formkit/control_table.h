#pragma once

// A form is data: one form line and one row per control, in stacking order
// from the top down, with positions and sizes in twips (15 to a pixel).

#include <span>
#include <string_view>

namespace formkit {

enum class Kind { Label, TextField, Button, Picture };

struct Font {
    bool given = false;  // false: the form's default font
    bool bold = false;
    double points = 0;
};
inline constexpr Font defaultFont{};
inline constexpr Font bold975{true, true, 9.75};
inline constexpr Font bold12{true, true, 12};
inline constexpr Font normal975{true, false, 9.75};
inline constexpr Font normal12{true, false, 12};

enum class Align { Left, Centre };

// A background is the kind's standard colour, a system colour by its index in
// the Windows colour table (it follows the user's scheme), or a fixed RGB.
struct Colour {
    enum class Type { Standard, System, Rgb };
    Type type = Type::Standard;
    int value = 0;
};
inline constexpr Colour standardColour{};
constexpr Colour systemColour(int index) { return {Colour::Type::System, index}; }
constexpr Colour rgb(int r, int g, int b) { return {Colour::Type::Rgb, (r << 16) | (g << 8) | b}; }
namespace sys {
inline constexpr int scrollBar = 0;
inline constexpr int appWorkspace = 12;
inline constexpr int buttonFace = 15;
inline constexpr int buttonText = 18;
}  // namespace sys

enum Style : unsigned {
    plain = 0,
    singleBorder = 1u << 0,
    multiLine = 1u << 1,
    readOnly = 1u << 2,
    verticalScrollBar = 1u << 3,
};

inline constexpr int noTab = -1;

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view text;  // caption, default text, or a picture's resource path
    int left, top, width, height;
    int tab;
    Font font = defaultFont;
    Align align = Align::Left;
    unsigned style = plain;
    Colour background = standardColour;
};

struct FormLine {
    std::string_view name;
    std::string_view caption;
    int width, height;  // client area
    Colour background = standardColour;
    bool icon = true;   // the shared icon
    bool child = true;  // a child window of the main window
};

struct FormTable {
    FormLine form;
    std::span<const Control> controls;
};

inline constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

}  // namespace formkit
