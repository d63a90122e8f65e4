// Fonts sized in points for the display.
#pragma once

#include "toolkit/Handles.h"

#include <windows.h>

#include <string_view>

namespace tk {

// The character height CreateFontW is given for a size in points: -MulDiv(points, dpi, 72).
int FontHeight(int points, int dpi);

// Creates a font with the face name, size in points at the given DPI and weight (400 normal, 700 bold):
// not italic, underlined or struck out, DEFAULT_CHARSET, default precision, quality and pitch.
FontHandle CreatePointFont(std::wstring_view face, int points, int weight, int dpi);

// The same at the display's DPI, kept by the toolkit until FreeFont or Shutdown. Returns the borrowed
// handle, or null when the font cannot be created.
HFONT LoadFont(std::wstring_view face, int points, int weight);

// Frees a font from LoadFont. Controls that use it must get another font first.
void FreeFont(HFONT font);

// Frees every font from LoadFont (used by Shutdown).
void FreeAllFonts();

} // namespace tk
