#include "Artwork.h"

#include "Prng.h"

#include <algorithm>
#include <cmath>

namespace payload {
namespace {

// Piecewise-linear vertical gradient through the given stops (y ascending).
Paint GradientStops(std::vector<std::pair<float, Colour>> stops)
{
    return [=](float, float y) {
        if (y <= stops.front().first) {
            return stops.front().second;
        }
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (y <= stops[i].first) {
                float t = (y - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
                return Colour::Mix(stops[i - 1].second, stops[i].second, t);
            }
        }
        return stops.back().second;
    };
}

float SmoothStep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// A white disc with a dark ring, the frame of each badge pictogram.
void DrawMedallion(Canvas& canvas, float cx, float cy, float radius, const Colour& ring)
{
    canvas.Fill(Ellipse(cx, cy, radius, radius), Solid(ring));
    canvas.Fill(Ellipse(cx, cy, radius - 1.2f, radius - 1.2f), Solid(Colour::Rgb(255, 255, 255)));
}

} // namespace

Canvas DrawLicenseBadge()
{
    Canvas canvas(88, 31);
    const Colour ink = Colour::Rgb(34, 38, 46);

    // Body: dark frame, light panel.
    canvas.Fill(RoundedRectangle(0, 0, 88, 31, 3), Solid(ink));
    canvas.Fill(RoundedRectangle(1, 1, 87, 30, 2),
                VerticalGradient(1, Colour::Rgb(238, 240, 236), 30, Colour::Rgb(196, 202, 198)));

    // "cc" emblem on the left.
    DrawMedallion(canvas, 15.5f, 15.5f, 12.5f, ink);
    for (float cx : {11.0f, 20.0f}) {
        Shape ring = Difference(Ellipse(cx, 15.5f, 4.6f, 4.6f), Ellipse(cx, 15.5f, 2.7f, 2.7f));
        Shape opening = [cx](float x, float y) { return x > cx + 0.6f && std::fabs(y - 15.5f) < (x - cx) * 0.9f; };
        canvas.Fill(Difference(ring, opening), Solid(ink));
    }

    // Pictograms: a person (attribution), a crossed coin sign (non-commercial), an equals sign (no
    // derivatives).
    const float row = 9.5f;
    DrawMedallion(canvas, 40.5f, row, 7.0f, ink);
    canvas.Fill(Ellipse(40.5f, row - 2.6f, 1.7f, 1.7f), Solid(ink));
    canvas.Fill(RoundedRectangle(38.0f, row - 0.4f, 43.0f, row + 4.6f, 1.2f), Solid(ink));

    DrawMedallion(canvas, 57.5f, row, 7.0f, ink);
    canvas.Fill(TextShape("$", 55, row - 4.5f, 1), Solid(ink));
    canvas.Fill(Segment(53.0f, row + 4.5f, 62.0f, row - 4.5f, 0.7f), Solid(Colour::Rgb(200, 40, 40)));

    DrawMedallion(canvas, 74.5f, row, 7.0f, ink);
    canvas.Fill(RoundedRectangle(71.0f, row - 2.5f, 78.0f, row - 0.8f, 0.3f), Solid(ink));
    canvas.Fill(RoundedRectangle(71.0f, row + 0.8f, 78.0f, row + 2.5f, 0.3f), Solid(ink));

    // Strip with the licence's short name.
    canvas.Fill(RoundedRectangle(31, 19, 85, 28, 2), Solid(ink));
    canvas.Fill(TextShape("BY-NC-ND", 34, 20, 1), Solid(Colour::Rgb(250, 250, 246)));
    return canvas;
}

Canvas DrawAboutPicture()
{
    const float width = 200;
    const float height = 149;
    Canvas canvas(200, 149);
    Shape frame = RoundedRectangle(0, 0, width, height, 14);

    // Dusk sky.
    canvas.Fill(frame, GradientStops({{0, Colour::Rgb(16, 26, 54)},
                                      {45, Colour::Rgb(52, 78, 122)},
                                      {80, Colour::Rgb(176, 120, 128)},
                                      {100, Colour::Rgb(238, 170, 104)}}));

    // A few stars high up.
    Prng prng(Prng::SeedFromText("about picture stars"));
    for (int i = 0; i < 26; ++i) {
        float x = 8 + prng.Unit() * 184;
        float y = 6 + prng.Unit() * prng.Unit() * 52;
        float size = 0.5f + prng.Unit() * 0.6f;
        canvas.Fill(Ellipse(x, y, size, size), Solid(Colour::Rgb(255, 250, 230, 0.55f + 0.45f * static_cast<float>(prng.Unit()))));
    }

    // Low sun with a glow.
    canvas.Fill(Ellipse(136, 78, 30, 30), Solid(Colour::Rgb(255, 214, 140, 0.18f)));
    canvas.Fill(Ellipse(136, 78, 21, 21), Solid(Colour::Rgb(255, 222, 150, 0.30f)));
    canvas.Fill(Ellipse(136, 78, 14, 14), VerticalGradient(64, Colour::Rgb(255, 244, 200), 92, Colour::Rgb(255, 190, 110)));

    // Far mountains, then nearer hills.
    auto farRidge = [](float x) {
        return 70.0f + 12.0f * std::sin(x * 0.045f + 1.0f) + 6.0f * std::sin(x * 0.13f + 0.4f)
               + 2.0f * std::sin(x * 0.41f);
    };
    canvas.Fill(Below(farRidge),
                VerticalGradient(55, Colour::Rgb(88, 84, 120), 100, Colour::Rgb(58, 58, 92)));
    auto nearRidge = [](float x) {
        return 92.0f + 7.0f * std::sin(x * 0.028f + 2.2f) + 3.5f * std::sin(x * 0.09f + 1.0f);
    };
    canvas.Fill(Below(nearRidge), VerticalGradient(84, Colour::Rgb(52, 104, 80), 130, Colour::Rgb(20, 56, 44)));

    // The tarn: a still lake that mirrors the sky, with the sun's reflection on it.
    canvas.Fill(Ellipse(96, 114, 74, 12.5f),
                VerticalGradient(102, Colour::Rgb(232, 164, 110), 126, Colour::Rgb(50, 74, 118)));
    for (int i = 0; i < 5; ++i) {
        float y = 106.0f + i * 3.6f;
        float halfLength = 11.0f - i * 1.8f;
        canvas.Fill(Ellipse(134, y, halfLength, 0.7f), Solid(Colour::Rgb(255, 236, 180, 0.75f - i * 0.1f)));
    }

    // Foreground bank and the name.
    auto bank = [](float x) { return 124.0f + 2.5f * std::sin(x * 0.05f + 0.5f); };
    canvas.Fill(Below(bank), Solid(Colour::Rgb(10, 30, 24)));
    const std::string name = "TARNWICK";
    float textLeft = std::floor((width - TextWidth(name, 2)) / 2);
    canvas.Fill(TextShape(name, textLeft + 1, 131, 2), Solid(Colour::Rgb(0, 0, 0, 0.6f)));
    canvas.Fill(TextShape(name, textLeft, 130, 2), Solid(Colour::Rgb(241, 236, 220)));

    // Soft edges: the picture fades out over its outermost pixels.
    canvas.FadeAlpha([&](float x, float y) {
        return SmoothStep(0.0f, 7.0f, RoundedRectangleDistance(0, 0, width, height, 14, x, y));
    });
    return canvas;
}

Canvas DrawDonateButton()
{
    Canvas canvas(150, 50);

    // Shadow, outline, golden body, gloss.
    canvas.Fill(RoundedRectangle(4, 5, 146, 39, 17), Solid(Colour::Rgb(0, 0, 0, 0.22f)));
    canvas.Fill(RoundedRectangle(2, 2, 148, 37, 17.5f), Solid(Colour::Rgb(196, 132, 18)));
    canvas.Fill(RoundedRectangle(3, 3, 147, 36, 16.5f),
                GradientStops({{3, Colour::Rgb(255, 232, 150)}, {20, Colour::Rgb(255, 200, 70)}, {36, Colour::Rgb(240, 166, 30)}}));
    canvas.Fill(RoundedRectangle(9, 4, 141, 18, 9), VerticalGradient(4, Colour::Rgb(255, 255, 255, 0.55f), 18,
                                                                   Colour::Rgb(255, 255, 255, 0.05f)));

    // The word, with a light edge under it.
    const std::string word = "Donate";
    float textLeft = std::floor((150 - TextWidth(word, 2)) / 2);
    canvas.Fill(TextShape(word, textLeft, 13, 2), Solid(Colour::Rgb(255, 246, 214, 0.8f)));
    canvas.Fill(TextShape(word, textLeft, 12, 2), Solid(Colour::Rgb(24, 48, 100)));

    // Three payment cards.
    const Colour cards[] = {Colour::Rgb(28, 78, 160), Colour::Rgb(210, 60, 48), Colour::Rgb(90, 98, 110)};
    for (int i = 0; i < 3; ++i) {
        float left = 52.0f + i * 16.0f;
        canvas.Fill(RoundedRectangle(left, 40, left + 14, 49, 1.5f), Solid(cards[i]));
        canvas.Fill(RoundedRectangle(left, 42, left + 14, 44, 0), Solid(Colour::Rgb(255, 255, 255, 0.45f)));
        canvas.Fill(RoundedRectangle(left + 2, 46, left + 6, 47.5f, 0.4f), Solid(Colour::Rgb(255, 214, 90)));
    }
    return canvas;
}

} // namespace payload
