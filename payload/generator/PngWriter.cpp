#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>
#include <string>

namespace payload {
namespace {

// Owns a libpng write structure and its info structure; destroys both.
class PngWriteHandle {
public:
    PngWriteHandle()
    {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (png == nullptr) {
            throw std::runtime_error("png_create_write_struct failed");
        }
        info = png_create_info_struct(png);
        if (info == nullptr) {
            png_destroy_write_struct(&png, nullptr);
            throw std::runtime_error("png_create_info_struct failed");
        }
    }
    ~PngWriteHandle()
    {
        if (png != nullptr) {
            png_destroy_write_struct(&png, &info);
        }
    }
    PngWriteHandle(PngWriteHandle&& other) noexcept : png(other.png), info(other.info)
    {
        other.png = nullptr;
        other.info = nullptr;
    }
    PngWriteHandle& operator=(PngWriteHandle&&) = delete;
    PngWriteHandle(const PngWriteHandle&) = delete;
    PngWriteHandle& operator=(const PngWriteHandle&) = delete;

    png_structp Png() const { return png; }
    png_infop Info() const { return info; }

private:
    png_structp png = nullptr;
    png_infop info = nullptr;
};

void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// All libpng calls in one frame with nothing to destroy, so that libpng's longjmp on an error skips no
// destructor. Returns false when libpng reported an error.
bool WriteImage(png_structp png, png_infop info, int width, int height, png_bytepp rows,
                std::vector<std::uint8_t>* out)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_write_fn(png, out, AppendToVector, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    if (width <= 0 || height <= 0
        || rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
        throw std::invalid_argument("pixel buffer does not match the picture size");
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        rows[static_cast<std::size_t>(y)] =
            const_cast<png_bytep>(rgba.data()) + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
    }
    std::vector<std::uint8_t> out;
    PngWriteHandle handle;
    if (!WriteImage(handle.Png(), handle.Info(), width, height, rows.data(), &out)) {
        throw std::runtime_error("libpng could not encode a " + std::to_string(width) + "x" + std::to_string(height)
                                 + " picture");
    }
    return out;
}

} // namespace payload
