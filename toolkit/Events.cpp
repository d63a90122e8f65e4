#include "toolkit/Events.h"

#include "toolkit/Shortcuts.h"

#include <deque>

namespace tk {
namespace {

std::deque<Event> queue;
Event current;

} // namespace

void QueueEvent(const Event& event) {
    queue.push_back(event);
    // An event queued while a message sent from another thread is handled inside GetMessageW would not
    // make GetMessageW return; a message posted to the thread does.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

int WaitEvent() {
    for (;;) {
        if (!queue.empty()) {
            current = queue.front();
            queue.pop_front();
            return current.kind;
        }
        MSG message;
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) {
            current = Event{};
            return 0;
        }
        if (TranslateShortcut(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int EventKind() { return current.kind; }
HWND EventWindow() { return current.window; }
HWND EventControl() { return current.control; }
int EventMenu() { return current.menu; }
int EventType() { return current.type; }

void ClearEvents() {
    std::deque<Event>().swap(queue);
    current = Event{};
}

} // namespace tk
