#include "toolkit/Menu.h"

#include "toolkit/Handles.h"
#include "toolkit/Window.h"

#include <string>

namespace tk {
namespace {

Window* TopLevel(HWND window) {
    Window* object = FindWindowObject(window);
    return object && object->handle == window ? object : nullptr;
}

} // namespace

bool CreateMenuBar(HWND window) {
    Window* object = TopLevel(window);
    if (!object || object->menuBar) {
        return false;
    }
    MenuHandle bar(CreateMenu());
    if (!bar || !SetMenu(window, bar.Get())) {
        return false;
    }
    object->menuBar = bar.Release(); // the window destroys its menu bar
    object->currentMenu = nullptr;
    return true;
}

bool AddMenuTitle(HWND window, std::wstring_view title) {
    Window* object = TopLevel(window);
    if (!object || !object->menuBar) {
        return false;
    }
    MenuHandle menu(CreatePopupMenu());
    const std::wstring text(title);
    if (!menu || !AppendMenuW(object->menuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu.Get()), text.c_str())) {
        return false;
    }
    object->currentMenu = menu.Release(); // the bar destroys its menus
    DrawMenuBar(window);
    return true;
}

bool AddMenuItem(HWND window, int id, std::wstring_view text) {
    Window* object = TopLevel(window);
    if (!object || !object->currentMenu || id < 0 || id > 0xFFFF) {
        return false;
    }
    const std::wstring value(text);
    return AppendMenuW(object->currentMenu, MF_STRING, static_cast<UINT_PTR>(id), value.c_str()) != FALSE;
}

} // namespace tk
