#include "toolkit/Pictures.h"

#include "toolkit/Handles.h"
#include "toolkit/PngDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tk {
namespace {

std::vector<BitmapHandle> pictures;

} // namespace

HBITMAP LoadPicture(const void* data, size_t size) {
    BitmapHandle picture = DecodePng(data, size);
    if (!picture) {
        return nullptr;
    }
    pictures.push_back(std::move(picture));
    return pictures.back().Get();
}

void FreePicture(HBITMAP picture) {
    pictures.erase(std::remove_if(pictures.begin(), pictures.end(),
                                  [picture](const BitmapHandle& kept) { return kept.Get() == picture; }),
                   pictures.end());
}

void FreeAllPictures() { std::vector<BitmapHandle>().swap(pictures); }

SIZE PictureSize(HBITMAP picture) {
    BITMAP description{};
    if (!picture || GetObjectW(picture, sizeof description, &description) != sizeof description) {
        return SIZE{0, 0};
    }
    return SIZE{description.bmWidth, std::abs(description.bmHeight)};
}

void DrawPicture(HDC dc, HBITMAP picture, int x, int y) {
    BITMAP description{};
    if (!picture || GetObjectW(picture, sizeof description, &description) != sizeof description) {
        return;
    }
    DeviceContextHandle memory(CreateCompatibleDC(dc));
    if (!memory) {
        return;
    }
    SelectedObject selected(memory.Get(), picture);
    const int width = description.bmWidth;
    const int height = std::abs(description.bmHeight);
    if (description.bmBitsPixel == 32) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, width, height, memory.Get(), 0, 0, width, height, blend);
    } else {
        BitBlt(dc, x, y, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
}

} // namespace tk
