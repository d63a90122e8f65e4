#include "toolkit/PngDecoder.h"

#include <png.h>

#include <cstdint>

namespace tk {
namespace {

constexpr png_uint_32 LargestSide = 16384;

// Frees what libpng holds for an image at the end of the scope, whichever way decoding ends.
class ImageReader {
public:
    ImageReader() { image.version = PNG_IMAGE_VERSION; }
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;
    ~ImageReader() { png_image_free(&image); }

    png_image image{};
};

void Premultiply(std::uint8_t* pixels, size_t count) {
    for (size_t index = 0; index < count; ++index) {
        std::uint8_t* pixel = pixels + index * 4;
        const unsigned alpha = pixel[3];
        if (alpha == 255) {
            continue;
        }
        for (int channel = 0; channel < 3; ++channel) {
            pixel[channel] = static_cast<std::uint8_t>((pixel[channel] * alpha + 127) / 255);
        }
    }
}

} // namespace

BitmapHandle DecodePng(const void* data, size_t size) {
    if (!data || size == 0) {
        return BitmapHandle();
    }
    ImageReader reader;
    png_image& image = reader.image;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        return BitmapHandle();
    }
    if (image.width == 0 || image.height == 0 || image.width > LargestSide || image.height > LargestSide) {
        return BitmapHandle();
    }
    image.format = PNG_FORMAT_BGRA;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(image.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(image.height); // top-down, as libpng writes the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        return BitmapHandle();
    }
    // 8-bit output of the simplified API is not premultiplied; AlphaBlend needs it premultiplied.
    if (!png_image_finish_read(&image, nullptr, bits, static_cast<png_int_32>(image.width * 4), nullptr)) {
        return BitmapHandle();
    }
    GdiFlush();
    Premultiply(static_cast<std::uint8_t*>(bits), static_cast<size_t>(image.width) * image.height);
    return bitmap;
}

} // namespace tk
