// Menu bars of plain text items. A bar holds menus, each with items that raise a MenuEvent with the
// item's id when chosen. A tab character in an item's text shows the rest right-aligned (a shortcut hint).
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

// Gives a window an empty menu bar. The window's client area loses the bar's height; its outer size stays.
bool CreateMenuBar(HWND window);

// Adds a menu with this title at the end of the window's menu bar; the next items go into it.
bool AddMenuTitle(HWND window, std::wstring_view title);

// Adds an item at the end of the menu added last.
bool AddMenuItem(HWND window, int id, std::wstring_view text);

} // namespace tk
