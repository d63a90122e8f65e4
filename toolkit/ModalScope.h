// What the toolkit does around a modal box or requester that the system runs: the owner is the
// foreground window when that window belongs to this process, and the thread's other visible windows
// are disabled (and taken out of the topmost band) for the lifetime of the scope, then put back exactly.
#pragma once

#include <windows.h>

#include <vector>

namespace tk {

class ModalScope {
public:
    ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope();

    // The owner for the box: the foreground window if this process owns it, otherwise null.
    HWND Owner() const noexcept { return owner; }

private:
    HWND owner = nullptr;
    std::vector<HWND> disabled;
    std::vector<HWND> untopped;
};

// The foreground window when it belongs to this process, otherwise null.
HWND ForegroundWindowOfProcess();

} // namespace tk
