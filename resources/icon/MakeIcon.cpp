// Draws the program's icon and writes it as a Windows .ico file.
//
//   MakeIcon <out.ico> [<out.rgba>]
//
// The picture is a small monitor whose blue screen shows a DOS BASIC editor: a grey menu bar, the
// word BASIC and a line of code with the cursor. The file holds one 32 x 32 image with 32 bits per
// pixel (blue, green, red, alpha; rows bottom-up) and a one-bit AND mask, set where the picture is
// fully transparent. The optional second file receives the raw pixels top-down as red, green, blue,
// alpha, for looking at the picture with ordinary image tools.
//
// This is a host program: the Windows build compiles and runs it with the machine's own compiler.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Size = 32;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
};

constexpr Colour Rgb(std::uint32_t rgb, std::uint8_t alpha = 255)
{
    return Colour{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), alpha};
}

class Canvas {
public:
    Canvas() { pixels.fill(Colour{}); }

    void Set(int x, int y, Colour colour)
    {
        if (x >= 0 && x < Size && y >= 0 && y < Size) {
            pixels[std::size_t(y * Size + x)] = colour;
        }
    }

    void Fill(int left, int top, int right, int bottom, Colour colour)
    {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                Set(x, y, colour);
            }
        }
    }

    // A filled rectangle with a one-pixel outline and corners cut by one pixel each way.
    void Panel(int left, int top, int right, int bottom, Colour fill, Colour outline)
    {
        Fill(left + 1, top, right - 1, bottom, outline);
        Fill(left, top + 1, right, bottom - 1, outline);
        Fill(left + 1, top + 1, right - 1, bottom - 1, fill);
    }

    const Colour& At(int x, int y) const { return pixels[std::size_t(y * Size + x)]; }

private:
    std::array<Colour, Size * Size> pixels;
};

// A 3 x 5 pixel font for the letters the screen shows; each row is three bits, the highest at the left.
struct Glyph {
    char letter;
    std::array<std::uint8_t, 5> rows;
};

constexpr std::array<Glyph, 5> Font{{
    {'B', {0b110, 0b101, 0b110, 0b101, 0b110}},
    {'A', {0b010, 0b101, 0b111, 0b101, 0b101}},
    {'S', {0b011, 0b100, 0b010, 0b001, 0b110}},
    {'I', {0b111, 0b010, 0b010, 0b010, 0b111}},
    {'C', {0b011, 0b100, 0b100, 0b100, 0b011}},
}};

void DrawText(Canvas& canvas, int left, int top, const std::string& text, Colour colour)
{
    int x = left;
    for (char letter : text) {
        for (const Glyph& glyph : Font) {
            if (glyph.letter != letter) {
                continue;
            }
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (glyph.rows[std::size_t(row)] & (0b100 >> column)) {
                        canvas.Set(x + column, top + row, colour);
                    }
                }
            }
        }
        x += 4;
    }
}

Canvas DrawIcon()
{
    const Colour casing = Rgb(0xD8D2C0);
    const Colour casingShade = Rgb(0xB4AC96);
    const Colour outline = Rgb(0x4A463E);
    const Colour screenBlue = Rgb(0x0000AA);
    const Colour menuGrey = Rgb(0xAAAAAA);
    const Colour textWhite = Rgb(0xFFFFFF);
    const Colour codeGrey = Rgb(0xAAAAAA);
    const Colour keyword = Rgb(0x55FFFF);
    const Colour cursor = Rgb(0xFFFF55);
    const Colour stand = Rgb(0x8C8676);
    const Colour shadow = Rgb(0x000000, 70);

    Canvas canvas;

    // Soft shadow under the foot, then the foot and neck of the stand.
    canvas.Fill(7, 30, 24, 30, shadow);
    canvas.Panel(8, 27, 23, 29, stand, outline);
    canvas.Fill(13, 25, 18, 27, stand);
    canvas.Fill(12, 25, 12, 27, outline);
    canvas.Fill(19, 25, 19, 27, outline);

    // The casing with a darker lower lip and a power light.
    canvas.Panel(0, 1, 31, 25, casing, outline);
    canvas.Fill(1, 23, 30, 24, casingShade);
    canvas.Set(27, 23, Rgb(0x30D040));

    // The screen: a dark inner frame, the blue editor and its grey menu bar.
    canvas.Fill(2, 3, 29, 21, outline);
    canvas.Fill(3, 4, 28, 20, screenBlue);
    canvas.Fill(3, 4, 28, 5, menuGrey);
    for (int x : {5, 6, 7, 10, 11, 12, 13, 16, 17, 18}) {
        canvas.Set(x, 5, Rgb(0x000000));
    }

    // The editor's text: the word BASIC, then a line of code ending at the cursor.
    DrawText(canvas, 6, 8, "BASIC", textWhite);
    canvas.Fill(6, 15, 10, 15, keyword);
    canvas.Fill(12, 15, 19, 15, codeGrey);
    canvas.Fill(6, 17, 8, 17, codeGrey);
    canvas.Fill(10, 17, 11, 17, cursor);
    canvas.Fill(10, 18, 11, 18, cursor);

    // A highlight along the casing's top edge.
    canvas.Fill(2, 2, 29, 2, Rgb(0xF2EEE2));
    return canvas;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

std::vector<std::uint8_t> IconFile(const Canvas& canvas)
{
    constexpr std::uint32_t headerSize = 40;
    constexpr std::uint32_t colourSize = Size * Size * 4;
    constexpr std::uint32_t maskSize = Size * (Size / 8);
    constexpr std::uint32_t imageSize = headerSize + colourSize + maskSize;
    constexpr std::uint32_t imageOffset = 6 + 16;

    std::vector<std::uint8_t> out;
    // Icon directory: reserved, type 1 (icon), one image.
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, 1);
    // Its one entry: 32 x 32, no palette, 1 plane, 32 bits per pixel.
    out.push_back(Size);
    out.push_back(Size);
    out.push_back(0);
    out.push_back(0);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, imageSize);
    PutU32(out, imageOffset);

    // BITMAPINFOHEADER; the height counts the colour image and the mask.
    PutU32(out, headerSize);
    PutU32(out, Size);
    PutU32(out, Size * 2);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, colourSize + maskSize);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);

    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; ++x) {
            const Colour& pixel = canvas.At(x, y);
            out.push_back(pixel.blue);
            out.push_back(pixel.green);
            out.push_back(pixel.red);
            out.push_back(pixel.alpha);
        }
    }
    for (int y = Size - 1; y >= 0; --y) {
        for (int byte = 0; byte < Size / 8; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (canvas.At(byte * 8 + bit, y).alpha == 0) {
                    bits |= std::uint8_t(0x80 >> bit);
                }
            }
            out.push_back(bits);
        }
    }
    return out;
}

std::vector<std::uint8_t> RawPixels(const Canvas& canvas)
{
    std::vector<std::uint8_t> out;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const Colour& pixel = canvas.At(x, y);
            out.insert(out.end(), {pixel.red, pixel.green, pixel.blue, pixel.alpha});
        }
    }
    return out;
}

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::perror(path);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "%s: write failed\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <out.ico> [<out.rgba>]\n", argv[0]);
        return 2;
    }
    const Canvas canvas = DrawIcon();
    if (!WriteFile(argv[1], IconFile(canvas))) {
        return 1;
    }
    if (argc == 3 && !WriteFile(argv[2], RawPixels(canvas))) {
        return 1;
    }
    return 0;
}
