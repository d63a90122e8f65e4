// A CBT hook procedure that ProgramDriver installs on the program's GUI thread. The system loads this
// library into the program and calls the procedure for every window that the thread creates; for dialog
// windows (class "#32770") it appends one line to the file named by TARNWICK_CREATION_LOG:
//   <window handle in hex> <x> <y> <cx> <cy>
// with the position and size in the creation record as the hooks installed later (the program's own
// among them) have left them.
#include <windows.h>

#include <cstdio>
#include <cwchar>

extern "C" __declspec(dllexport) LRESULT CALLBACK CreationSpy(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t className[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
        wchar_t logPath[MAX_PATH] = {};
        if (std::wcscmp(className, L"#32770") == 0 &&
            GetEnvironmentVariableW(L"TARNWICK_CREATION_LOG", logPath, MAX_PATH) > 0) {
            const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            char line[128];
            const int length = std::snprintf(line, sizeof line, "%llx %d %d %d %d\n",
                                             static_cast<unsigned long long>(wParam), create->x, create->y, create->cx, create->cy);
            HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
            if (log != INVALID_HANDLE_VALUE) {
                DWORD written = 0;
                WriteFile(log, line, static_cast<DWORD>(length > 0 ? length : 0), &written, nullptr);
                CloseHandle(log);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
