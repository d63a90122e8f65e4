// Reading another process's windows from a test driver: class, text and styles.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// The text through WM_GETTEXT, which the system carries across processes.
inline std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000, nullptr);
    return text;
}

inline DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }
inline DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }
