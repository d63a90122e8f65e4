#include "toolkit/HyperLink.h"

#include "toolkit/Events.h"
#include "toolkit/Internal.h"
#include "toolkit/Window.h"

#include <string>

namespace tk {

HWND HyperLink::Create(const HyperLinkArgs& args) {
    ControlRecipe recipe;
    recipe.className = HyperLinkClassName;
    recipe.text = args.text;
    recipe.style = WS_GROUP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new HyperLink(args.hoverColour, args.underlined)), recipe);
}

void HyperLink::UseFont(HFONT newFont) {
    font = newFont;
    underlinedFont.Reset();
    LOGFONTW description{};
    if (underlined && GetObjectW(font ? font : DefaultFont(), sizeof description, &description) == sizeof description) {
        description.lfUnderline = TRUE;
        underlinedFont.Reset(CreateFontIndirectW(&description));
    }
}

void HyperLink::Paint(HDC dc) {
    HWND handle = Handle();
    RECT client;
    GetClientRect(handle, &client);
    FillBackground(dc, client);
    const bool hot = hovering && IsWindowEnabled(GetAncestor(handle, GA_ROOT));
    Colour colour = TextColour() ? *TextColour() : GetSysColor(COLOR_HOTLIGHT);
    if (hot) {
        colour = hoverColour;
    }
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    HFONT drawing = underlinedFont ? underlinedFont.Get() : (font ? font : DefaultFont());
    SelectedObject selected(dc, drawing);
    std::wstring text = GetText(handle);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

LRESULT HyperLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = Handle();
    switch (message) {
    case WM_CREATE:
        UseFont(nullptr);
        break;
    case WM_SETFONT:
        UseFont(reinterpret_cast<HFONT>(wParam));
        if (LOWORD(lParam)) {
            InvalidateRect(handle, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_SETTEXT: {
        const LRESULT result = Control::HandleMessage(message, wParam, lParam);
        InvalidateRect(handle, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(handle, &paint)) {
            Paint(dc);
            EndPaint(handle, &paint);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        if (!hovering) {
            hovering = true;
            TRACKMOUSEEVENT tracking{};
            tracking.cbSize = sizeof tracking;
            tracking.dwFlags = TME_LEAVE;
            tracking.hwndTrack = handle;
            TrackMouseEvent(&tracking);
            InvalidateRect(handle, nullptr, TRUE);
        }
        return 0;
    case WM_MOUSELEAVE:
        hovering = false;
        InvalidateRect(handle, nullptr, TRUE);
        return 0;
    case WM_LBUTTONUP:
        QueueEvent(Event{ControlEvent, GetAncestor(handle, GA_ROOT), handle, -1, LeftClickEventType});
        return 0;
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace tk
