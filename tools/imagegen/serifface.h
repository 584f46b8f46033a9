#pragma once

#include <QImage>

// A small serif pixel face for the dimension letters of the coil drawing: 'l', 'h', 'd' at
// full height and '0' as a subscript. Draws `glyph` with its top-left corner at (x, y) and
// returns its width.
int drawSerifGlyph(QImage& image, int colourIndex, char glyph, int x, int y);
