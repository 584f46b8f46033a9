#pragma once

#include <QRect>

class PixelPen;

// Upper-case letters and digits of the schematics. Each glyph is a set of strokes in a unit
// square, scaled so that the pen's marks fill `box` exactly (the boxes differ per letter).
void drawGlyph(PixelPen& pen, char glyph, QRect box);
