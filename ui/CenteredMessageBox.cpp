#include "ui/CenteredMessageBox.h"

#include "toolkit/MessageBox.h"

#include <cwchar>

namespace tarnwick {

HWND CenterTargetWindow = nullptr;
HHOOK CenterHookHandle = nullptr;

POINT CenteredPosition(int x, int y, int w, int h, int cx, int cy)
{
    return POINT {x + w / 2 - cx / 2, y + h / 2 - cy / 2};
}

LRESULT CALLBACK CenterDialogHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        const auto create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        wchar_t className[260] = {};
        GetClassNameW(window, className, 259);
        if (std::wcscmp(className, L"#32770") == 0 && create && create->lpcs) {
            // The corner of the outer frame with the client size: the box sits a frame's width left of
            // the true centre and half a caption above it, as the prompt always has.
            RECT outer {};
            RECT client {};
            GetWindowRect(CenterTargetWindow, &outer);
            GetClientRect(CenterTargetWindow, &client);
            int height = client.bottom - client.top;
            if (GetMenu(CenterTargetWindow))
                height += GetSystemMetrics(SM_CYMENU);
            const POINT place = CenteredPosition(outer.left, outer.top, client.right - client.left, height,
                                                 create->lpcs->cx, create->lpcs->cy);
            create->lpcs->x = place.x;
            create->lpcs->y = place.y;
        }
    }
    return CallNextHookEx(CenterHookHandle, code, wParam, lParam);
}

int CenteredMessageBox(std::wstring_view title, std::wstring_view text, UINT flags)
{
    CenterHookHandle = SetWindowsHookExW(WH_CBT, CenterDialogHook, nullptr, GetCurrentThreadId());
    const int result = tk::ShowMessageBox(title, text, flags);
    UnhookWindowsHookEx(CenterHookHandle);
    return result;
}

} // namespace tarnwick
