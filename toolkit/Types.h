// Small value types shared by the toolkit's operations: rectangles and colours.
#pragma once

#include <windows.h>

namespace tk {

// Position and size in pixels. For a window the size is that of its client area; for a control the
// position is in the client coordinates of its parent (the window or a panel).
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A 24-bit colour packed as red + green * 256 + blue * 65536, the layout of a Win32 COLORREF.
using Colour = COLORREF;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

// Which colour of a control SetColour changes.
enum class ColourKind : int {
    Text = 1,
    Background = 2,
};

} // namespace tk
