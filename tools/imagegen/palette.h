#pragma once

#include <QImage>

// Reduces a true-colour picture to an 8-bit palette image of at most `colours` entries
// (median cut, then each pixel to its nearest entry).
QImage toPalette(const QImage& picture, int colours = 256);
