// Encodes pictures as PNG files with libpng.
#pragma once

#include <cstdint>
#include <vector>

namespace payload {

// A PNG of width x height pixels, 8-bit RGBA (colour type 6), not interlaced, with no time stamp or
// other metadata, so the same pixels always give the same bytes. rgba holds the rows top to bottom, 4
// bytes per pixel. Throws std::runtime_error when libpng fails.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgba);

} // namespace payload
