#include "toolkit/Window.h"

#include "toolkit/Events.h"
#include "toolkit/Internal.h"
#include "toolkit/Shortcuts.h"
#include "toolkit/TabNavigation.h"

#include <algorithm>
#include <string>

namespace tk {
namespace {

std::vector<std::unique_ptr<Window>> windows;
std::vector<HWND> containers;

Window* TopLevel(HWND handle) {
    for (const auto& window : windows) {
        if (window->handle == handle) {
            return window.get();
        }
    }
    return nullptr;
}

LRESULT HandleWindowMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = window.handle;
    switch (message) {
    case WM_CLOSE:
        QueueEvent(Event{CloseWindowEvent, handle, nullptr, -1, 0});
        return 0;
    case WM_ERASEBKGND:
        if (EraseWithBrush(handle, reinterpret_cast<HDC>(wParam), window.backgroundBrush.Get())) {
            return 1;
        }
        break;
    case WM_COMMAND:
        if (lParam == 0) {
            const WORD id = LOWORD(wParam);
            const bool fromShortcut = HIWORD(wParam) == 1;
            if (fromShortcut && (id == TabForwardId || id == TabBackwardId)) {
                MoveFocus(window, id == TabForwardId);
                return 0;
            }
            QueueEvent(Event{MenuEvent, handle, nullptr, id, 0});
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // Like a dialog, the window gives the focus back to the control that had it when it is activated.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(handle, focus)) {
                window.focusBeforeDeactivation = focus;
            }
        } else if (!HIWORD(wParam) && window.focusBeforeDeactivation && IsChild(handle, window.focusBeforeDeactivation)) {
            SetFocus(window.focusBeforeDeactivation);
            return 0;
        }
        break;
    default:
        break;
    }
    LRESULT result = 0;
    if (HandleContainerMessage(handle, message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK TopLevelWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (auto* window = static_cast<Window*>(create->lpCreateParams)) {
            window->handle = handle;
            SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        }
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        window = nullptr;
    }
    if (!window) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    return HandleWindowMessage(*window, message, wParam, lParam);
}

Control* Window::Find(HWND control) const {
    for (const auto& object : controls) {
        if (object->Handle() == control) {
            return object.get();
        }
    }
    return nullptr;
}

Window* FindWindowObject(HWND handle) {
    if (!handle) {
        return nullptr;
    }
    HWND root = GetAncestor(handle, GA_ROOT);
    return TopLevel(root ? root : handle);
}

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle) {
    RECT rect{0, 0, client.cx, client.cy};
    if (!AdjustWindowRectEx(&rect, style, FALSE, exStyle)) {
        return client;
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

POINT CentreOnScreen(SIZE outer, SIZE screen) {
    return POINT{(screen.cx - std::min(screen.cx, outer.cx)) / 2, (screen.cy - std::min(screen.cy, outer.cy)) / 2};
}

POINT CentreOnOwner(SIZE outer, const RECT& owner) {
    const LONG left = owner.left + ((owner.right - owner.left) - outer.cx) / 2;
    const LONG top = owner.top + ((owner.bottom - owner.top) - outer.cy) / 2;
    return POINT{std::max(left, LONG{0}), std::max(top, LONG{0})};
}

HWND OpenWindow(const WindowArgs& args) {
    const DWORD style = args.style & ~(WS_VISIBLE | WS_CHILD);
    const SIZE outer = OuterSize(SIZE{args.rect.width, args.rect.height}, style, args.exStyle);
    POINT position{args.rect.x, args.rect.y};
    if (args.placement == Placement::CentredOnScreen) {
        position = CentreOnScreen(outer, SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    } else if (args.placement == Placement::CentredOnOwner && args.owner) {
        RECT ownerRect;
        if (GetWindowRect(args.owner, &ownerRect)) {
            position = CentreOnOwner(outer, ownerRect);
        }
    }

    auto window = std::make_unique<Window>();
    Window* object = window.get();
    windows.push_back(std::move(window));
    const std::wstring title(args.title);
    HWND handle = CreateWindowExW(args.exStyle, WindowClassName, title.c_str(), style, position.x, position.y, outer.cx,
                                  outer.cy, args.owner, nullptr, Module(), object);
    if (!handle) {
        windows.pop_back();
        return nullptr;
    }
    containers.push_back(handle);
    InitialiseShortcuts(handle);
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return handle;
}

void DisposeWindow(HWND handle) {
    auto entry = std::find_if(windows.begin(), windows.end(),
                              [handle](const std::unique_ptr<Window>& window) { return window->handle == handle; });
    if (entry == windows.end()) {
        return;
    }
    Window* window = entry->get();
    containers.erase(std::remove_if(containers.begin(), containers.end(),
                                    [window](HWND container) {
                                        return container == window->handle || window->Find(container) != nullptr;
                                    }),
                     containers.end());
    if (IsWindow(handle)) {
        DestroyWindow(handle);
    }
    // The control objects go only after their windows, which may still send messages while they are destroyed.
    windows.erase(std::find_if(windows.begin(), windows.end(),
                               [window](const std::unique_ptr<Window>& candidate) { return candidate.get() == window; }));
}

void SetWindowEnabled(HWND window, bool enabled) { EnableWindow(window, enabled ? TRUE : FALSE); }

void ActivateWindow(HWND window) {
    SetForegroundWindow(window);
    if (GetActiveWindow() != window) {
        SetActiveWindow(window);
    }
}

Colour ContainerBackground(HWND container) {
    if (Window* window = TopLevel(container)) {
        return window->background ? *window->background : GetSysColor(COLOR_BTNFACE);
    }
    if (Control* control = FindControl(container)) {
        if (control->BackgroundColour()) {
            return *control->BackgroundColour();
        }
    }
    return GetSysColor(COLOR_BTNFACE);
}

std::vector<HWND> OpenWindows() {
    std::vector<HWND> handles;
    for (const auto& window : windows) {
        handles.push_back(window->handle);
    }
    return handles;
}

HWND CurrentContainer() { return containers.empty() ? nullptr : containers.back(); }

void OpenContainer(HWND container) { containers.push_back(container); }

void CloseContainer() {
    // A window itself stays open as a container until it is disposed.
    if (!containers.empty() && !TopLevel(containers.back())) {
        containers.pop_back();
    }
}

bool EraseWithBrush(HWND handle, HDC dc, HBRUSH brush) {
    if (!brush) {
        return false;
    }
    RECT client;
    GetClientRect(handle, &client);
    FillRect(dc, &client, brush);
    return true;
}

bool HandleContainerMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        HWND child = reinterpret_cast<HWND>(lParam);
        Control* control = child ? FindControl(child) : nullptr;
        if (!control) {
            return false;
        }
        if (!control->ChangingQuietly()) {
            QueueEvent(Event{ControlEvent, GetAncestor(container, GA_ROOT), child, -1, HIWORD(wParam)});
        }
        result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        Control* control = FindControl(reinterpret_cast<HWND>(lParam));
        if (!control || (!control->TextColour() && !control->BackgroundBrush())) {
            return false;
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        result = DefWindowProcW(container, message, wParam, lParam);
        if (control->TextColour()) {
            SetTextColor(dc, *control->TextColour());
        }
        if (control->BackgroundBrush()) {
            SetBkColor(dc, *control->BackgroundColour());
            result = reinterpret_cast<LRESULT>(control->BackgroundBrush());
        }
        return true;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        Control* control = wParam != 0 && item ? FindControl(item->hwndItem) : nullptr;
        if (control && control->DrawItem(*item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace tk
