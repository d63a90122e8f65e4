// The one event queue of the process. The window procedures put events in it; WaitEvent takes them out
// one at a time, running the message loop (with the active window's shortcut table and Tab handling)
// while the queue is empty. The event last returned is the current event.
#pragma once

#include <windows.h>

namespace tk {

constexpr int ControlEvent = 13100; // a control reported something; source: the control
constexpr int MenuEvent = 13101; // a menu item was chosen or a shortcut pressed; source: its id
constexpr int CloseWindowEvent = 13116; // the user asked to close a window; source: the window

// The event type of a hyperlink label's click. Other controls report their WM_COMMAND notification code.
constexpr int LeftClickEventType = 0;

struct Event {
    int kind = 0;
    HWND window = nullptr; // the top-level window the event belongs to
    HWND control = nullptr; // ControlEvent only
    int menu = -1; // MenuEvent only
    int type = 0; // ControlEvent only: the notification code
};

// Blocks until an event is queued and returns its kind. Returns 0 (no event) if the thread's message
// queue is told to quit or fails.
int WaitEvent();

int EventKind();
HWND EventWindow();
HWND EventControl();
int EventMenu();
int EventType();

// Adds an event at the end of the queue and makes sure a waiting WaitEvent wakes up.
void QueueEvent(const Event& event);

// Forgets all queued events and the current one (used by Shutdown).
void ClearEvents();

} // namespace tk
