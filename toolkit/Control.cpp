#include "toolkit/Control.h"

#include "toolkit/Internal.h"
#include "toolkit/Window.h"

#include <algorithm>
#include <vector>

namespace tk {
namespace {

// Control ids are assigned in creation order; they stay below the range of the toolkit's own shortcut ids.
WORD NextControlId() {
    static WORD next = 0x1000;
    const WORD id = next;
    next = next >= 0xEFFF ? 0x1000 : static_cast<WORD>(next + 1);
    return id;
}

} // namespace

bool Control::DrawItem(const DRAWITEMSTRUCT&) { return false; }

bool Control::SetPicture(HBITMAP) { return false; }

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle, message, wParam, lParam);
}

void Control::ColoursChanged() { InvalidateRect(handle, nullptr, TRUE); }

void Control::SetColour(ColourKind kind, Colour colour) {
    if (kind == ColourKind::Text) {
        textColour = colour;
    } else {
        backgroundColour = colour;
        backgroundBrush.Reset(CreateSolidBrush(colour));
    }
    ColoursChanged();
}

LRESULT CALLBACK ControlWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (auto* control = static_cast<Control*>(create->lpCreateParams)) {
            control->handle = handle;
            SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        }
    }
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        control = nullptr;
    }
    if (!control) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    return control->HandleMessage(message, wParam, lParam);
}

HWND CreateControl(std::unique_ptr<Control> control, const ControlRecipe& recipe) {
    HWND parent = recipe.parent ? recipe.parent : CurrentContainer();
    Window* window = FindWindowObject(parent);
    if (!control || !window || !recipe.className) {
        return nullptr;
    }
    Control* object = control.get();
    // The object is known before its window exists, so that messages sent during creation find it.
    window->controls.push_back(std::move(control));
    const std::wstring text(recipe.text);
    HWND handle = CreateWindowExW(recipe.exStyle, recipe.className, text.c_str(), WS_CHILD | WS_VISIBLE | recipe.style,
                                  recipe.rect.x, recipe.rect.y, recipe.rect.width, recipe.rect.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())), Module(), object);
    if (!handle) {
        window->controls.erase(std::find_if(window->controls.begin(), window->controls.end(),
                                            [object](const std::unique_ptr<Control>& c) { return c.get() == object; }));
        return nullptr;
    }
    object->handle = handle;
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    return handle;
}

Control* FindControl(HWND control) {
    Window* window = FindWindowObject(control);
    return window ? window->Find(control) : nullptr;
}

void SetText(HWND handle, std::wstring_view text) {
    const std::wstring value(text);
    QuietChange quiet(FindControl(handle));
    SetWindowTextW(handle, value.c_str());
}

std::wstring GetText(HWND handle) {
    const int length = GetWindowTextLengthW(handle);
    if (length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextW(handle, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
}

void SetColour(HWND handle, ColourKind kind, Colour colour) {
    if (Window* window = FindWindowObject(handle); window && window->handle == handle) {
        if (kind == ColourKind::Background) {
            window->background = colour;
            window->backgroundBrush.Reset(CreateSolidBrush(colour));
            InvalidateRect(handle, nullptr, TRUE);
        }
        return;
    }
    if (Control* control = FindControl(handle)) {
        control->SetColour(kind, colour);
    }
}

void SetFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : DefaultFont()), TRUE);
}

void FocusControl(HWND control) { SetFocus(control); }

void Control::FillBackground(HDC dc, const RECT& area) const {
    if (HBRUSH own = BackgroundBrush()) {
        FillRect(dc, &area, own);
    } else {
        BrushHandle behind(CreateSolidBrush(ContainerBackground(GetParent(handle))));
        FillRect(dc, &area, behind.Get());
    }
}

} // namespace tk
