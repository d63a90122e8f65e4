// Pictures that the toolkit keeps for the program, and drawing them with their alpha channel.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tk {

// Decodes a PNG from memory (see DecodePng) and keeps the picture until FreePicture or Shutdown.
// Returns the borrowed handle, or null when the data cannot be decoded.
HBITMAP LoadPicture(const void* data, size_t size);

// Frees a picture from LoadPicture. Controls that show it must get another picture first.
void FreePicture(HBITMAP picture);

// Frees every picture from LoadPicture (used by Shutdown).
void FreeAllPictures();

// The size of a picture in pixels; 0 x 0 for a null or unknown handle.
SIZE PictureSize(HBITMAP picture);

// Draws a picture with its top-left corner at (x, y), blending a 32-bit picture's premultiplied
// alpha onto what the device context already holds; other pictures are copied.
void DrawPicture(HDC dc, HBITMAP picture, int x, int y);

} // namespace tk
