#include "toolkit/PictureBox.h"

#include "toolkit/Internal.h"
#include "toolkit/Pictures.h"
#include "toolkit/Window.h"

namespace tk {

HWND PictureBox::Create(const PictureBoxArgs& args) {
    ControlRecipe recipe;
    recipe.className = PictureClassName;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new PictureBox(args.picture)), recipe);
}

bool PictureBox::SetPicture(HBITMAP newPicture) {
    picture = newPicture;
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

void PictureBox::Paint(HDC dc) {
    HWND handle = Handle();
    RECT client;
    GetClientRect(handle, &client);
    FillBackground(dc, client);
    DrawPicture(dc, picture, 0, 0);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = Handle();
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(handle, &paint)) {
            Paint(dc);
            EndPaint(handle, &paint);
        }
        return 0;
    }
    default:
        return Control::HandleMessage(message, wParam, lParam);
    }
}

void SetPicture(HWND control, HBITMAP picture) {
    if (Control* object = FindControl(control)) {
        object->SetPicture(picture);
    }
}

} // namespace tk
