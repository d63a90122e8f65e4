// A small RGBA raster with anti-aliased filling, enough to draw the program's pictures in code.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace payload {

// Colour with straight (not premultiplied) alpha, each channel 0..1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;

    static Colour Rgb(int red, int green, int blue, float alpha = 1.0f)
    {
        return {red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
    }
    // Linear mix: t = 0 gives from, t = 1 gives to.
    static Colour Mix(const Colour& from, const Colour& to, float t);
};

// A region of the plane, in pixel coordinates: pixel (x, y) covers [x, x+1) x [y, y+1).
using Shape = std::function<bool(float x, float y)>;
// The colour to paint at a point.
using Paint = std::function<Colour(float x, float y)>;

Shape RoundedRectangle(float left, float top, float right, float bottom, float radius);
Shape Ellipse(float centreX, float centreY, float radiusX, float radiusY);
// A stroke from (x0, y0) to (x1, y1) with round ends, halfWidth on either side of the line.
Shape Segment(float x0, float y0, float x1, float y1, float halfWidth);
// Points below the curve y = ridge(x), like hills against a sky.
Shape Below(std::function<float(float x)> ridge);
// Text in the built-in pixel font, each font pixel scale x scale pixels, the cell's top left at (left, top).
Shape TextShape(const std::string& text, float left, float top, float scale);
float TextWidth(const std::string& text, float scale); // advance of 6 font pixels per character, less the last gap
Shape Union(Shape first, Shape second);
Shape Difference(Shape shape, Shape cut);

// Distance from (x, y) to the outline of a rounded rectangle, positive inside, negative outside.
float RoundedRectangleDistance(float left, float top, float right, float bottom, float radius, float x, float y);

Paint Solid(const Colour& colour);
// From `top` at y = y0 to `bottom` at y = y1, clamped outside.
Paint VerticalGradient(float y0, const Colour& top, float y1, const Colour& bottom);

class Canvas {
public:
    Canvas(int width, int height); // fully transparent

    int Width() const { return width; }
    int Height() const { return height; }

    // Blends paint over every pixel that shape covers, weighted by the covered fraction of the pixel
    // (4 x 4 samples per pixel).
    void Fill(const Shape& shape, const Paint& paint);

    // Multiplies the alpha of each pixel by factor(x, y) at the pixel's centre, clamped to 0..1.
    void FadeAlpha(const std::function<float(float x, float y)>& factor);

    // Rows top to bottom, 4 bytes per pixel: red, green, blue, alpha.
    std::vector<std::uint8_t> Rgba() const;

private:
    int width;
    int height;
    std::vector<Colour> pixels;
};

} // namespace payload
