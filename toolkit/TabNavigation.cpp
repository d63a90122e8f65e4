#include "toolkit/TabNavigation.h"

#include "toolkit/Window.h"

#include <algorithm>
#include <vector>

namespace tk {

void MoveFocus(Window& window, bool forward) {
    std::vector<HWND> stops;
    for (const auto& control : window.controls) {
        HWND handle = control->Handle();
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
        if ((style & WS_TABSTOP) && IsWindowVisible(handle) && IsWindowEnabled(handle)) {
            stops.push_back(handle);
        }
    }
    if (stops.empty()) {
        return;
    }
    HWND focus = GetFocus();
    const auto current = std::find_if(stops.begin(), stops.end(),
                                      [focus](HWND stop) { return stop == focus || IsChild(stop, focus); });
    const size_t count = stops.size();
    size_t next;
    if (current == stops.end()) {
        next = forward ? 0 : count - 1;
    } else {
        const size_t index = static_cast<size_t>(current - stops.begin());
        next = forward ? (index + 1) % count : (index + count - 1) % count;
    }
    HWND target = stops[next];
    SetFocus(target);
    // As in dialogs: a text field reached with Tab has its whole text selected.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(target, EM_SETSEL, 0, -1);
    }
}

} // namespace tk
