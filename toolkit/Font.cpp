#include "toolkit/Font.h"

#include "toolkit/Toolkit.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tk {
namespace {

std::vector<FontHandle> fonts;

} // namespace

int FontHeight(int points, int dpi) { return -MulDiv(points, dpi, 72); }

FontHandle CreatePointFont(std::wstring_view face, int points, int weight, int dpi) {
    const std::wstring name(face);
    return FontHandle(CreateFontW(FontHeight(points, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  name.c_str()));
}

HFONT LoadFont(std::wstring_view face, int points, int weight) {
    FontHandle font = CreatePointFont(face, points, weight, ScreenDpi());
    if (!font) {
        return nullptr;
    }
    fonts.push_back(std::move(font));
    return fonts.back().Get();
}

void FreeFont(HFONT font) {
    fonts.erase(std::remove_if(fonts.begin(), fonts.end(), [font](const FontHandle& kept) { return kept.Get() == font; }),
                fonts.end());
}

void FreeAllFonts() { std::vector<FontHandle>().swap(fonts); }

} // namespace tk
