// A small bitmap font of our own: printable ASCII in cells of 5 x 8 pixels. Capitals and digits are
// 7 pixels high; the eighth row holds the descenders of g, j, p, q, y and the comma.
#pragma once

namespace payload {

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 8;

// The rows of the glyph for c, top to bottom, each GlyphWidth characters of '#' (ink) or '.'; nullptr
// for characters outside ' '..'~'.
const char* const* GlyphRows(char c);

// True when pixel (x, y) of the glyph for c is inked; false outside the cell or the character set.
bool GlyphPixel(char c, int x, int y);

} // namespace payload
