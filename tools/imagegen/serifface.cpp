#include "serifface.h"

#include <array>
#include <string_view>

#include "pixelpen.h"

namespace {

using Rows = std::array<std::string_view, 13>;

constexpr Rows letterL = {
    "###  ", " ##  ", " ##  ", " ##  ", " ##  ", " ##  ", " ##  ",
    " ##  ", " ##  ", " ##  ", " ##  ", " ##  ", "#### ",
};
constexpr Rows letterH = {
    "###      ", " ##      ", " ##      ", " ##      ", " ## ###  ", " ###  ## ", " ##   ## ",
    " ##   ## ", " ##   ## ", " ##   ## ", " ##   ## ", " ##   ## ", "#### ####",
};
constexpr Rows letterD = {
    "      ###", "       ##", "       ##", "       ##", "  #### ##", " ##   ###", "##     ##",
    "##     ##", "##     ##", "##     ##", "##     ##", " ##   ###", "  ### ###",
};
constexpr Rows digitZero = {
    "     ", "     ", "     ", "     ", "     ", " ### ", "## ##",
    "## ##", "## ##", "## ##", "## ##", "## ##", " ### ",
};

const Rows* rowsOf(char glyph) {
    switch (glyph) {
        case 'l':
            return &letterL;
        case 'h':
            return &letterH;
        case 'd':
            return &letterD;
        case '0':
            return &digitZero;
        default:
            return nullptr;
    }
}

}  // namespace

int drawSerifGlyph(QImage& image, int scale, int colourIndex, char glyph, int x, int y) {
    const Rows* rows = rowsOf(glyph);
    if (!rows) return 0;
    for (int r = 0; r < int(rows->size()); ++r)
        for (int c = 0; c < int((*rows)[r].size()); ++c)
            if ((*rows)[r][c] == '#')
                PixelPen(image, colourIndex, 1, scale).fillRect(x + c, y + r, x + c, y + r);
    return int((*rows)[0].size());
}
