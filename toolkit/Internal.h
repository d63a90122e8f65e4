// Parts of the toolkit that its own files share and programs do not use.
#pragma once

#include <windows.h>

namespace tk {

// Window class names registered by Initialise.
constexpr const wchar_t* WindowClassName = L"TkWindow";
constexpr const wchar_t* PanelClassName = L"TkPanel";
constexpr const wchar_t* HyperLinkClassName = L"TkHyperLink";
constexpr const wchar_t* PictureClassName = L"TkPicture";

HINSTANCE Module();
HFONT DefaultFont();

// The stack of containers that controls created without a parent go to: every open window, with the
// panel being filled above the window that holds it.
HWND CurrentContainer();
void OpenContainer(HWND container);
void CloseContainer();

// Handles the messages that a window or panel receives for its children: notifications become control
// events, WM_CTLCOLOR* applies the child's colours, WM_DRAWITEM lets owner-drawn children draw.
// Returns true with the result when the message was handled.
bool HandleContainerMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Fills a container's or control's client area for WM_ERASEBKGND when a brush is given.
bool EraseWithBrush(HWND handle, HDC dc, HBRUSH brush);

} // namespace tk

namespace tk {

// The window procedure of the toolkit's top-level window class.
LRESULT CALLBACK TopLevelWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tk
