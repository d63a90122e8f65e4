#include "toolkit/ModalScope.h"

namespace tk {
namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

HWND ForegroundWindowOfProcess() {
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) {
        GetWindowThreadProcessId(foreground, &process);
    }
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

ModalScope::ModalScope() {
    HWND foreground = GetForegroundWindow();
    owner = ForegroundWindowOfProcess();
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!IsWindowVisible(window)) {
            continue;
        }
        if (IsWindowEnabled(window) && window != foreground) {
            EnableWindow(window, FALSE);
            disabled.push_back(window);
        }
        if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) {
            SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            untopped.push_back(window);
        }
    }
}

ModalScope::~ModalScope() {
    for (HWND window : disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    for (HWND window : untopped) {
        if (IsWindow(window)) {
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

} // namespace tk
