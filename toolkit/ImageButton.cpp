#include "toolkit/ImageButton.h"

#include "toolkit/Pictures.h"

namespace tk {

HWND ImageButton::Create(const ImageButtonArgs& args) {
    ControlRecipe recipe;
    recipe.className = L"Button";
    recipe.style = BS_OWNERDRAW | WS_GROUP | WS_TABSTOP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new ImageButton(args.picture)), recipe);
}

bool ImageButton::SetPicture(HBITMAP newPicture) {
    picture = newPicture;
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

bool ImageButton::DrawItem(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const SIZE size = PictureSize(picture);
    const int shift = pushed ? 1 : 0;
    const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - size.cx) / 2 + shift;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - size.cy) / 2 + shift;
    DrawPicture(item.hDC, picture, x, y);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

} // namespace tk
