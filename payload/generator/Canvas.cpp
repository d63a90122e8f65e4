#include "Canvas.h"

#include "PixelFont.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace payload {

Colour Colour::Mix(const Colour& from, const Colour& to, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Shape RoundedRectangle(float left, float top, float right, float bottom, float radius)
{
    return [=](float x, float y) {
        if (x < left || x >= right || y < top || y >= bottom) {
            return false;
        }
        float cx = std::clamp(x, left + radius, right - radius);
        float cy = std::clamp(y, top + radius, bottom - radius);
        float dx = x - cx;
        float dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape Ellipse(float centreX, float centreY, float radiusX, float radiusY)
{
    return [=](float x, float y) {
        float dx = (x - centreX) / radiusX;
        float dy = (y - centreY) / radiusY;
        return dx * dx + dy * dy <= 1.0f;
    };
}

Shape Segment(float x0, float y0, float x1, float y1, float halfWidth)
{
    return [=](float x, float y) {
        float dx = x1 - x0;
        float dy = y1 - y0;
        float lengthSquared = dx * dx + dy * dy;
        float t = lengthSquared > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0f, 1.0f) : 0.0f;
        float px = x0 + t * dx - x;
        float py = y0 + t * dy - y;
        return px * px + py * py <= halfWidth * halfWidth;
    };
}

Shape Below(std::function<float(float x)> ridge)
{
    return [=](float x, float y) { return y >= ridge(x); };
}

float RoundedRectangleDistance(float left, float top, float right, float bottom, float radius, float x, float y)
{
    float cx = std::clamp(x, left + radius, right - radius);
    float cy = std::clamp(y, top + radius, bottom - radius);
    float dx = x - cx;
    float dy = y - cy;
    if (dx == 0.0f && dy == 0.0f) {
        // In the inner rectangle: the nearest straight side decides.
        return std::min({x - left, right - x, y - top, bottom - y});
    }
    return radius - std::sqrt(dx * dx + dy * dy);
}

Shape TextShape(const std::string& text, float left, float top, float scale)
{
    return [=](float x, float y) {
        float fx = (x - left) / scale;
        float fy = (y - top) / scale;
        if (fx < 0 || fy < 0) {
            return false;
        }
        int column = static_cast<int>(fx);
        int index = column / (GlyphWidth + 1);
        if (index >= static_cast<int>(text.size())) {
            return false;
        }
        return GlyphPixel(text[static_cast<std::size_t>(index)], column % (GlyphWidth + 1), static_cast<int>(fy));
    };
}

float TextWidth(const std::string& text, float scale)
{
    return text.empty() ? 0.0f : (static_cast<float>(text.size()) * (GlyphWidth + 1) - 1) * scale;
}

Shape Union(Shape first, Shape second)
{
    return [=](float x, float y) { return first(x, y) || second(x, y); };
}

Shape Difference(Shape shape, Shape cut)
{
    return [=](float x, float y) { return shape(x, y) && !cut(x, y); };
}

Paint Solid(const Colour& colour)
{
    return [=](float, float) { return colour; };
}

Paint VerticalGradient(float y0, const Colour& top, float y1, const Colour& bottom)
{
    return [=](float, float y) { return Colour::Mix(top, bottom, (y - y0) / (y1 - y0)); };
}

Canvas::Canvas(int width, int height) : width(width), height(height)
{
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("canvas size must be positive");
    }
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Colour{0, 0, 0, 0});
}

void Canvas::Fill(const Shape& shape, const Paint& paint)
{
    constexpr int Samples = 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    hits += shape(x + (sx + 0.5f) / Samples, y + (sy + 0.5f) / Samples) ? 1 : 0;
                }
            }
            if (hits == 0) {
                continue;
            }
            Colour source = paint(x + 0.5f, y + 0.5f);
            float sourceAlpha = source.a * static_cast<float>(hits) / (Samples * Samples);
            Colour& target = pixels[static_cast<std::size_t>(y) * width + x];
            float outAlpha = sourceAlpha + target.a * (1.0f - sourceAlpha);
            if (outAlpha <= 0.0f) {
                continue;
            }
            auto blend = [&](float s, float t) { return (s * sourceAlpha + t * target.a * (1.0f - sourceAlpha)) / outAlpha; };
            target = {blend(source.r, target.r), blend(source.g, target.g), blend(source.b, target.b), outAlpha};
        }
    }
}

void Canvas::FadeAlpha(const std::function<float(float x, float y)>& factor)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour& pixel = pixels[static_cast<std::size_t>(y) * width + x];
            pixel.a *= std::clamp(factor(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
        }
    }
}

std::vector<std::uint8_t> Canvas::Rgba() const
{
    auto toByte = [](float value) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
    };
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels.size() * 4);
    for (const Colour& pixel : pixels) {
        bool clear = toByte(pixel.a) == 0;
        bytes.push_back(clear ? 0 : toByte(pixel.r));
        bytes.push_back(clear ? 0 : toByte(pixel.g));
        bytes.push_back(clear ? 0 : toByte(pixel.b));
        bytes.push_back(toByte(pixel.a));
    }
    return bytes;
}

} // namespace payload
