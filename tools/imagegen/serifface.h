#pragma once

#include <QImage>

// A small serif pixel face for the dimension letters of the coil drawing: 'l', 'h', 'd' at
// full height and '0' as a subscript. Draws `glyph` with its top-left corner at design pixel
// (x, y), each of its cells `scale` device pixels square (the face is designed as cells), and
// returns its width in design pixels.
int drawSerifGlyph(QImage& image, int scale, int colourIndex, char glyph, int x, int y);
