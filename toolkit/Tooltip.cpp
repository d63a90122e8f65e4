#include "toolkit/Tooltip.h"

#include "toolkit/Internal.h"
#include "toolkit/Window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace tk {
namespace {

HWND MakeTooltipControl(HWND owner) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Module(),
                                   nullptr);
    if (tooltip) {
        SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return tooltip;
}

} // namespace

bool SetTooltip(HWND control, std::wstring_view text) {
    Window* window = FindWindowObject(control);
    if (!window || window->handle == control || !FindControl(control)) {
        return false;
    }
    if (!window->tooltip) {
        window->tooltip = MakeTooltipControl(window->handle);
        if (!window->tooltip) {
            return false;
        }
    }
    std::wstring value(text);
    TTTOOLINFOW tool{};
    // The size of the version 5 common controls' structure, which every version accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.hinst = Module();
    tool.lpszText = value.data();
    auto& tools = window->tooltipTools;
    if (std::find(tools.begin(), tools.end(), control) != tools.end()) {
        SendMessageW(window->tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return true;
    }
    if (!SendMessageW(window->tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        return false;
    }
    tools.push_back(control);
    return true;
}

} // namespace tk
