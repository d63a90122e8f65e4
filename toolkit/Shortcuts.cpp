#include "toolkit/Shortcuts.h"

#include "toolkit/Window.h"

#include <algorithm>

namespace tk {
namespace {

constexpr BYTE ModifierMask = FSHIFT | FCONTROL | FALT;

Window* TopLevel(HWND window) {
    Window* object = FindWindowObject(window);
    return object && object->handle == window ? object : nullptr;
}

bool RebuildTable(Window& window) {
    AcceleratorHandle table(CreateAcceleratorTableW(window.shortcuts.data(), static_cast<int>(window.shortcuts.size())));
    if (!table) {
        return false;
    }
    window.shortcutTable = std::move(table);
    return true;
}

auto FindEntry(Window& window, int virtualKey, int modifiers) {
    const BYTE wanted = static_cast<BYTE>(modifiers) & ModifierMask;
    return std::find_if(window.shortcuts.begin(), window.shortcuts.end(), [&](const ACCEL& entry) {
        return entry.key == virtualKey && (entry.fVirt & ModifierMask) == wanted;
    });
}

} // namespace

bool BindShortcut(HWND window, int virtualKey, int modifiers, int id) {
    Window* object = TopLevel(window);
    if (!object || virtualKey <= 0 || virtualKey > 0xFF || id < 0 || id > 0xFFFF) {
        return false;
    }
    auto entry = FindEntry(*object, virtualKey, modifiers);
    if (entry != object->shortcuts.end()) {
        entry->cmd = static_cast<WORD>(id);
    } else {
        ACCEL accelerator{};
        accelerator.fVirt = static_cast<BYTE>(FVIRTKEY | (static_cast<BYTE>(modifiers) & ModifierMask));
        accelerator.key = static_cast<WORD>(virtualKey);
        accelerator.cmd = static_cast<WORD>(id);
        object->shortcuts.push_back(accelerator);
    }
    return RebuildTable(*object);
}

bool UnbindShortcut(HWND window, int virtualKey, int modifiers) {
    Window* object = TopLevel(window);
    if (!object) {
        return false;
    }
    auto entry = FindEntry(*object, virtualKey, modifiers);
    if (entry == object->shortcuts.end()) {
        return false;
    }
    object->shortcuts.erase(entry);
    return RebuildTable(*object);
}

void InitialiseShortcuts(HWND window) {
    BindShortcut(window, VK_TAB, NoModifier, TabForwardId);
    BindShortcut(window, VK_TAB, ShiftModifier, TabBackwardId);
}

bool TranslateShortcut(MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    HWND active = GetActiveWindow();
    Window* object = TopLevel(active);
    if (!object || !object->shortcutTable) {
        return false;
    }
    if (message.hwnd != active && !IsChild(active, message.hwnd)) {
        return false;
    }
    return TranslateAcceleratorW(active, object->shortcutTable.Get(), &message) != 0;
}

} // namespace tk
