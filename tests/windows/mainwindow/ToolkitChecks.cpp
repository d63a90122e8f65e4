// The toolkit's own checks, run inside one process on the GUI thread: placement formulas and real
// placement, the event queue (close requests, wake-up from another thread, quiet program changes,
// notifications through panels), shortcut tables, colours and drawing of the self-drawn controls,
// tooltips, the message box and the requesters with the windows they disable, fonts, PNG decoding and
// alpha drawing, path helpers, and the shutdown.
#include "Checker.h"

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/Font.h"
#include "toolkit/HyperLink.h"
#include "toolkit/ImageButton.h"
#include "toolkit/Label.h"
#include "toolkit/MessageBox.h"
#include "toolkit/Panel.h"
#include "toolkit/Paths.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Pictures.h"
#include "toolkit/PngDecoder.h"
#include "toolkit/Requesters.h"
#include "toolkit/Shortcuts.h"
#include "toolkit/TextField.h"
#include "toolkit/Toolkit.h"
#include "toolkit/Tooltip.h"
#include "toolkit/Window.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <png.h>
#include <dlgs.h>
#include <shlobj.h>

#include <cstdint>
#include <iterator>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using checks::Checker;

namespace {

Checker check;

constexpr int TimeoutMenuId = 0xBEEF;
constexpr int SentinelMenuId = 4242;

// ---- helpers ----------------------------------------------------------------------------------------

void CALLBACK EventTimeout(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    tk::QueueEvent(tk::Event{tk::MenuEvent, nullptr, nullptr, TimeoutMenuId, 0});
}

// WaitEvent with a time limit: a missing event shows as a MenuEvent with TimeoutMenuId.
int NextEvent(UINT timeoutMs = 3000) {
    const UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, EventTimeout);
    const int kind = tk::WaitEvent();
    KillTimer(nullptr, timer);
    return kind;
}

// True when nothing was queued before a sentinel posted now.
bool NoEventPending(HWND window) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(SentinelMenuId, 0), 0);
    const int kind = NextEvent();
    return kind == tk::MenuEvent && tk::EventMenu() == SentinelMenuId;
}

HWND Open(const wchar_t* title, int width = 300, int height = 200, DWORD exStyle = 0) {
    tk::WindowArgs args;
    args.rect = {10, 10, width, height};
    args.title = title;
    args.exStyle = exStyle;
    return tk::OpenWindow(args);
}

void Pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// A 32-bit top-down DIB selected into a memory device context, to draw into and read back.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : width(width), height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* memory = nullptr;
        bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
        bits = static_cast<std::uint32_t*>(memory);
        dc.Reset(CreateCompatibleDC(nullptr));
        previous = SelectObject(dc.Get(), bitmap.Get());
        tk::BrushHandle brush(CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, brush.Get());
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { SelectObject(dc.Get(), previous); }

    HDC Dc() const { return dc.Get(); }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel = bits[y * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int Count(COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                count += At(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
    // The longest horizontal run of one colour.
    int LongestRun(COLORREF colour) const {
        int best = 0;
        for (int y = 0; y < height; ++y) {
            int run = 0;
            for (int x = 0; x < width; ++x) {
                run = At(x, y) == colour ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    }

    const int width;
    const int height;

private:
    tk::BitmapHandle bitmap;
    tk::DeviceContextHandle dc;
    HGDIOBJ previous = nullptr;
    std::uint32_t* bits = nullptr;
};

std::string ShowColour(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 2) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A PNG made with libpng's writer from RGBA pixels, for the decoder to read back.
std::vector<unsigned char> MakePng(int width, int height, const std::vector<unsigned char>& rgba) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
        return {};
    }
    std::vector<unsigned char> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr)) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

// ---- placement --------------------------------------------------------------------------------------

void CheckPlacement() {
    check.Group("placement formulas");
    struct ScreenCase {
        SIZE outer;
        SIZE screen;
        POINT expected;
    };
    const std::vector<ScreenCase> screenCases = {
        {{526, 449}, {1024, 768}, {249, 159}},
        {{527, 450}, {1025, 769}, {249, 159}}, // odd differences lose the half pixel
        {{1100, 900}, {1024, 768}, {0, 0}}, // larger than the screen: never left of or above it
        {{1024, 768}, {1024, 768}, {0, 0}},
    };
    for (const auto& c : screenCases) {
        const POINT place = tk::CentreOnScreen(c.outer, c.screen);
        check.Expect(place.x == c.expected.x && place.y == c.expected.y,
                     "screen " + std::to_string(c.screen.cx) + "x" + std::to_string(c.screen.cy) + ", window " +
                         std::to_string(c.outer.cx) + "x" + std::to_string(c.outer.cy) + ": got " +
                         std::to_string(place.x) + "," + std::to_string(place.y));
    }
    struct OwnerCase {
        SIZE outer;
        RECT owner;
        POINT expected;
    };
    const std::vector<OwnerCase> ownerCases = {
        {{556, 299}, {100, 100, 626, 549}, {85, 175}},
        {{557, 300}, {100, 100, 626, 549}, {85, 174}}, // -31 / 2 truncates toward zero to -15
        {{556, 299}, {0, 0, 400, 200}, {0, 0}}, // would start left of and above the screen: raised to 0
        {{100, 80}, {-50, 300, 50, 400}, {0, 310}},
    };
    for (const auto& c : ownerCases) {
        const POINT place = tk::CentreOnOwner(c.outer, c.owner);
        check.Expect(place.x == c.expected.x && place.y == c.expected.y,
                     "over owner at " + std::to_string(c.owner.left) + "," + std::to_string(c.owner.top) + ": got " +
                         std::to_string(place.x) + "," + std::to_string(place.y));
    }

    check.Group("placement of real windows");
    tk::WindowArgs ownerArgs;
    ownerArgs.rect = {0, 0, 520, 400};
    ownerArgs.title = L"Owner";
    ownerArgs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    ownerArgs.placement = tk::Placement::CentredOnScreen;
    HWND owner = tk::OpenWindow(ownerArgs);
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const SIZE ownerOuter = tk::OuterSize({520, 400}, ownerArgs.style, 0);
    const POINT screenPlace = tk::CentreOnScreen(ownerOuter, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    check.Expect(ownerRect.left == screenPlace.x && ownerRect.top == screenPlace.y, "a screen-centred window sits where the formula says");
    RECT client{};
    GetClientRect(owner, &client);
    check.Expect(client.right == 520 && client.bottom == 400, "the client area has the size asked for");
    check.Expect(IsWindowVisible(owner) && GetForegroundWindow() == owner, "shown and activated at once");

    tk::WindowArgs ownedArgs;
    ownedArgs.rect = {0, 0, 550, 270};
    ownedArgs.title = L"Owned";
    ownedArgs.owner = owner;
    ownedArgs.placement = tk::Placement::CentredOnOwner;
    HWND owned = tk::OpenWindow(ownedArgs);
    RECT ownedRect{};
    GetWindowRect(owned, &ownedRect);
    const POINT ownerPlace = tk::CentreOnOwner(tk::OuterSize({550, 270}, ownedArgs.style, 0), ownerRect);
    check.Expect(ownedRect.left == ownerPlace.x && ownedRect.top == ownerPlace.y, "an owner-centred window sits where the formula says");
    check.Expect(GetWindow(owned, GW_OWNER) == owner, "the owned window has its owner");
    GetClientRect(owned, &client);
    check.Expect(client.right == 550 && client.bottom == 270, "the owned window's client area has the size asked for");

    // Moved near the screen's corner, the owner makes centring go negative: the window stays at 0.
    SetWindowPos(owner, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tk::WindowArgs wideArgs = ownedArgs;
    wideArgs.rect = {0, 0, 900, 600};
    HWND wide = tk::OpenWindow(wideArgs);
    RECT wideRect{};
    GetWindowRect(wide, &wideRect);
    check.Expect(wideRect.left == 0 && wideRect.top == 0, "centring over an owner in the corner is clamped at 0");
    tk::DisposeWindow(wide);
    tk::DisposeWindow(owned);
    tk::DisposeWindow(owner);
}

// ---- events -----------------------------------------------------------------------------------------

void CheckEvents() {
    check.Group("events");
    HWND window = Open(L"Events");
    PostMessageW(window, WM_CLOSE, 0, 0);
    check.Equal(NextEvent(), tk::CloseWindowEvent, "WM_CLOSE queues a close event");
    check.Expect(tk::EventWindow() == window, "the close event names its window");
    check.Expect(IsWindow(window) != FALSE, "the close request does not destroy the window");

    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    check.Equal(NextEvent(), tk::CloseWindowEvent, "Close from the system menu queues a close event");

    // A close request sent from another thread is handled inside GetMessageW; the wait must still end.
    std::thread sender([window] { SendMessageW(window, WM_CLOSE, 0, 0); });
    const int kind = NextEvent(5000);
    sender.join();
    check.Equal(kind, tk::CloseWindowEvent, "an event raised by a message sent from another thread ends the wait");
    check.Expect(NoEventPending(window), "the wait ended at once, not at its time limit");

    PostMessageW(window, WM_COMMAND, MAKEWPARAM(7, 0), 0);
    check.Equal(NextEvent(), tk::MenuEvent, "a menu command queues a menu event");
    check.Equal(tk::EventMenu(), 7, "with the item's id");
    check.Expect(tk::EventControl() == nullptr && tk::EventWindow() == window, "from its window, with no control");

    // Controls in the window and in a panel.
    HWND field = tk::TextField::Create({{10, 10, 100, 20}, L""});
    HWND panel = tk::Panel::Create({{10, 40, 200, 100}});
    HWND inner = tk::TextField::Create({{5, 5, 100, 20}, L""});
    HWND box = tk::CheckBox::Create({{5, 30, 100, 20}, L"Box"});
    HWND button = tk::Button::Create({{5, 55, 60, 20}, L"Go"});
    tk::ClosePanel();
    HWND after = tk::Button::Create({{220, 10, 60, 20}, L"After"});
    check.Expect(GetParent(inner) == panel && GetParent(box) == panel && GetParent(button) == panel,
                 "controls made while a panel is open go into it");
    check.Expect(GetParent(after) == window, "after ClosePanel controls go to the window again");
    check.Expect(NoEventPending(window), "creating controls raises no event");

    for (HWND edit : {field, inner}) {
        tk::SetText(edit, L"set by the program");
        check.Expect(NoEventPending(window), "setting a field's text raises no event");
        check.Equal(tk::GetText(edit), std::wstring(L"set by the program"), "the text is set");
    }
    tk::SetCheckState(box, 1);
    tk::SetCheckState(box, 0);
    tk::SetCheckState(box, 1);
    check.Expect(NoEventPending(window), "setting a check box's state raises no event");
    check.Equal(tk::GetCheckState(box), 1, "the state is set");

    // What the user does still raises events, also through the panel.
    SendMessageW(box, BM_CLICK, 0, 0);
    check.Equal(NextEvent(), tk::ControlEvent, "a click on a check box in a panel queues a control event");
    check.Expect(tk::EventControl() == box && tk::EventWindow() == window, "naming the check box and the window");
    check.Equal(tk::GetCheckState(box), 0, "the check box toggled itself before reporting");
    SendMessageW(button, BM_CLICK, 0, 0);
    check.Equal(NextEvent(), tk::ControlEvent, "a click on a button in a panel queues a control event");
    check.Expect(tk::EventControl() == button && tk::EventType() == BN_CLICKED, "naming the button, type BN_CLICKED");
    SendMessageW(inner, WM_CHAR, L'a', 1);
    bool changed = false;
    for (int kind = NextEvent(); kind == tk::ControlEvent; kind = NextEvent(300)) {
        changed = changed || (tk::EventControl() == inner && tk::EventType() == EN_CHANGE);
    }
    check.Expect(changed, "typing into a field in a panel queues EN_CHANGE");
    tk::DisposeWindow(window);
    check.Expect(!IsWindow(window) && !IsWindow(field) && !IsWindow(inner), "DisposeWindow destroys the window and its controls");
    check.Expect(tk::FindControl(field) == nullptr, "and forgets their objects");
}

// ---- shortcuts and tab ------------------------------------------------------------------------------

std::vector<ACCEL> TableOf(HWND window) {
    tk::Window* object = tk::FindWindowObject(window);
    std::vector<ACCEL> entries;
    if (!object || !object->shortcutTable) {
        return entries;
    }
    const int count = CopyAcceleratorTableW(object->shortcutTable.Get(), nullptr, 0);
    entries.resize(static_cast<size_t>(count));
    CopyAcceleratorTableW(object->shortcutTable.Get(), entries.data(), count);
    return entries;
}

void CheckShortcuts() {
    check.Group("shortcuts");
    HWND window = Open(L"Shortcuts");
    check.Expect(tk::BindShortcut(window, VK_F1, tk::NoModifier, 1), "F1 bound to 1");
    check.Expect(tk::BindShortcut(window, VK_F1, tk::NoModifier, 1000), "F1 bound again to 1000");
    check.Expect(tk::BindShortcut(window, VK_F1, tk::ControlModifier, 5), "Ctrl+F1 bound to 5");
    int plainF1 = 0;
    int plainF1Id = -1;
    int controlF1Id = -1;
    int tabEntries = 0;
    for (const ACCEL& entry : TableOf(window)) {
        const int modifiers = entry.fVirt & (FSHIFT | FCONTROL | FALT);
        if (entry.key == VK_F1 && modifiers == 0) {
            ++plainF1;
            plainF1Id = entry.cmd;
        }
        if (entry.key == VK_F1 && modifiers == FCONTROL) {
            controlF1Id = entry.cmd;
        }
        tabEntries += entry.key == VK_TAB ? 1 : 0;
    }
    check.Equal(plainF1, 1, "binding F1 again replaces the entry instead of adding one");
    check.Equal(plainF1Id, 1000, "the entry delivers the id bound last");
    check.Equal(controlF1Id, 5, "the same key with other modifiers is an entry of its own");
    check.Equal(tabEntries, 2, "the table holds the toolkit's Tab and Shift+Tab entries");
    check.Expect(!tk::BindShortcut(nullptr, VK_F1, 0, 1), "binding on no window fails");

    check.Group("tab");
    HWND first = tk::TextField::Create({{10, 10, 100, 20}, L"first"});
    tk::Label::Create({{10, 35, 100, 20}, L"not a stop"});
    HWND disabled = tk::Button::Create({{10, 60, 100, 20}, L"disabled"});
    HWND hidden = tk::Button::Create({{10, 85, 100, 20}, L"hidden"});
    HWND panel = tk::Panel::Create({{120, 10, 150, 100}});
    HWND inPanel = tk::CheckBox::Create({{5, 5, 100, 20}, L"in panel"});
    tk::ClosePanel();
    HWND last = tk::Button::Create({{10, 110, 100, 20}, L"last"});
    EnableWindow(disabled, FALSE);
    ShowWindow(hidden, SW_HIDE);
    (void)panel;
    tk::ActivateWindow(window);
    Pump(100);
    auto tab = [window](bool forward) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(forward ? tk::TabForwardId : tk::TabBackwardId, 1), 0);
        return GetFocus();
    };
    SetFocus(first);
    check.Expect(tab(true) == inPanel, "Tab skips labels, disabled and hidden controls and enters the panel");
    check.Expect(tab(true) == last, "Tab leaves the panel for the next control in creation order");
    check.Expect(tab(true) == first, "Tab wraps from the last stop to the first");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(first, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    check.Expect(start == 0 && end == 5, "a field reached with Tab has its text selected");
    check.Expect(tab(false) == last, "Shift+Tab wraps from the first stop to the last");
    check.Expect(tab(false) == inPanel, "Shift+Tab goes back into the panel");
    // Tab raises no event of its own (the field's focus notifications are control events of the field).
    bool menuEvent = false;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(SentinelMenuId, 0), 0);
    for (int kind = NextEvent(); !(kind == tk::MenuEvent && tk::EventMenu() == SentinelMenuId); kind = NextEvent()) {
        menuEvent = menuEvent || kind == tk::MenuEvent;
        if (kind == tk::MenuEvent && tk::EventMenu() == TimeoutMenuId) {
            break;
        }
    }
    check.Expect(!menuEvent, "Tab and Shift+Tab raise no menu event");
    tk::DisposeWindow(window);
}

// ---- colours and drawing ----------------------------------------------------------------------------

void CheckColours() {
    check.Group("colours");
    const COLORREF grey = tk::Rgb(225, 225, 225);
    check.Equal(static_cast<unsigned long>(tk::Rgb(1, 2, 3)), 1ul + 2 * 256 + 3 * 65536, "colours pack as red + green*256 + blue*65536");
    HWND window = Open(L"Colours");
    tk::SetColour(window, tk::ColourKind::Background, grey);
    {
        Canvas canvas(20, 20, RGB(0, 0, 0));
        SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        check.Equal(ShowColour(canvas.At(5, 5)), ShowColour(grey), "the window erases with its background colour");
    }
    HWND plain = tk::Label::Create({{10, 10, 100, 20}, L"plain"});
    HWND coloured = tk::Label::Create({{10, 40, 100, 20}, L"coloured", tk::TextAlign::Right});
    tk::SetColour(coloured, tk::ColourKind::Background, grey);
    HWND panel = tk::Panel::Create({{120, 10, 150, 100}});
    HWND inPanel = tk::Label::Create({{5, 5, 100, 20}, L"in panel", tk::TextAlign::Centre});
    tk::SetColour(inPanel, tk::ColourKind::Text, tk::Rgb(0, 0, 255));
    tk::SetColour(inPanel, tk::ColourKind::Background, tk::Rgb(10, 20, 30));
    tk::ClosePanel();
    {
        Canvas canvas(20, 20, RGB(0, 0, 0));
        SendMessageW(panel, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        check.Equal(ShowColour(canvas.At(5, 5)), ShowColour(GetSysColor(COLOR_BTNFACE)), "a panel erases with the button face");
    }
    check.Equal(GetWindowLongPtrW(coloured, GWL_STYLE) & SS_TYPEMASK, static_cast<LONG_PTR>(SS_RIGHT), "right-aligned label");
    check.Equal(GetWindowLongPtrW(inPanel, GWL_STYLE) & SS_TYPEMASK, static_cast<LONG_PTR>(SS_CENTER), "centred label");

    struct Case {
        const char* what;
        HWND parent;
        HWND label;
        bool ownBrush;
        COLORREF background;
        COLORREF text;
    };
    const std::vector<Case> cases = {
        {"label with a background colour", window, coloured, true, grey, GetSysColor(COLOR_WINDOWTEXT)},
        {"label in a panel with both colours", panel, inPanel, true, tk::Rgb(10, 20, 30), tk::Rgb(0, 0, 255)},
    };
    Canvas canvas(4, 4, RGB(0, 0, 0));
    for (const Case& c : cases) {
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(c.parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(c.label)));
        LOGBRUSH description{};
        check.Expect(brush && GetObjectW(brush, sizeof description, &description) == sizeof description &&
                         description.lbColor == c.background,
                     std::string(c.what) + ": WM_CTLCOLORSTATIC gives a brush of the background colour");
        check.Equal(ShowColour(GetBkColor(canvas.Dc())), ShowColour(c.background), std::string(c.what) + ": text background");
        check.Equal(ShowColour(GetTextColor(canvas.Dc())), ShowColour(c.text), std::string(c.what) + ": text colour");
    }
    const auto plainBrush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(plain)));
    LOGBRUSH description{};
    check.Expect(plainBrush && GetObjectW(plainBrush, sizeof description, &description) == sizeof description &&
                     description.lbColor == GetSysColor(COLOR_BTNFACE),
                 "a label without colours keeps the system's");
    tk::DisposeWindow(window);
}

void CheckHyperLink() {
    check.Group("hyperlink");
    const COLORREF grey = tk::Rgb(225, 225, 225);
    const COLORREF blue = tk::Rgb(0, 0, 255);
    const COLORREF hover = tk::Rgb(0, 0, 0);
    HWND window = Open(L"Link");
    tk::SetColour(window, tk::ColourKind::Background, grey);
    HWND link = tk::HyperLink::Create({{10, 10, 120, 20}, L"Fenwold", hover, true});
    tk::SetColour(link, tk::ColourKind::Text, blue);
    tk::SetColour(link, tk::ColourKind::Background, grey);
    check.Expect(reinterpret_cast<HCURSOR>(GetClassLongPtrW(link, GCLP_HCURSOR)) == LoadCursorW(nullptr, IDC_HAND),
                 "the hand cursor over the link");
    auto render = [link](Canvas& canvas) {
        SendMessageW(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    };
    {
        Canvas canvas(120, 20, RGB(255, 0, 0));
        render(canvas);
        check.Equal(ShowColour(canvas.At(118, 2)), ShowColour(grey), "the background colour fills the control");
        check.Expect(canvas.Count(blue) > 20, "the text is drawn in the text colour");
        check.Equal(canvas.Count(hover), 0, "not in the hover colour while the pointer is away");
        SIZE extent{};
        HDC dc = GetDC(link);
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(dc, L"Fenwold", 7, &extent);
        SelectObject(dc, old);
        ReleaseDC(link, dc);
        check.Expect(canvas.LongestRun(blue) >= extent.cx - 2, "underlined across the text in the text colour");
    }
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    {
        Canvas canvas(120, 20, RGB(255, 0, 0));
        render(canvas);
        check.Expect(canvas.Count(hover) > 20 && canvas.Count(blue) == 0, "in the hover colour while the pointer is over it");
    }
    EnableWindow(window, FALSE);
    {
        Canvas canvas(120, 20, RGB(255, 0, 0));
        render(canvas);
        check.Expect(canvas.Count(blue) > 20 && canvas.Count(hover) == 0, "not in the hover colour while the window is disabled");
    }
    EnableWindow(window, TRUE);
    SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    {
        Canvas canvas(120, 20, RGB(255, 0, 0));
        render(canvas);
        check.Expect(canvas.Count(blue) > 20 && canvas.Count(hover) == 0, "back in the text colour when the pointer leaves");
    }
    check.Expect(NoEventPending(window), "moving over the link raises no event");
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    check.Equal(NextEvent(), tk::ControlEvent, "releasing the left button on the link raises a control event");
    check.Expect(tk::EventControl() == link && tk::EventWindow() == window, "naming the link");
    check.Expect(NoEventPending(window), "one event per click");
    tk::DisposeWindow(window);
}

void CheckPictures() {
    check.Group("png decoding");
    // Row 0: opaque red, half-transparent green, transparent blue; row 1: a quarter-opaque colour, white, black.
    const std::vector<unsigned char> rgba = {
        255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, //
        200, 100, 50, 64, 255, 255, 255, 255, 0, 0, 0, 255,
    };
    const std::vector<unsigned char> png = MakePng(3, 2, rgba);
    check.Expect(!png.empty(), "the test picture was written");
    tk::BitmapHandle bitmap = tk::DecodePng(png.data(), png.size());
    DIBSECTION section{};
    if (check.Expect(bitmap && GetObjectW(bitmap.Get(), sizeof section, &section) == sizeof section, "a DIB section comes back")) {
        check.Equal(section.dsBm.bmWidth, 3l, "width");
        check.Equal(std::abs(section.dsBm.bmHeight), 2l, "height");
        check.Equal(static_cast<int>(section.dsBm.bmBitsPixel), 32, "32 bits per pixel");
        const auto* pixels = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
        // Blue, green, red, alpha, premultiplied, top row first.
        const std::vector<std::vector<int>> expected = {
            {0, 0, 255, 255}, {0, 128, 0, 128}, {0, 0, 0, 0}, {13, 25, 50, 64}, {255, 255, 255, 255}, {0, 0, 0, 255},
        };
        for (size_t index = 0; index < expected.size(); ++index) {
            const std::vector<int> actual = {pixels[index * 4], pixels[index * 4 + 1], pixels[index * 4 + 2], pixels[index * 4 + 3]};
            check.Expect(actual == expected[index], "pixel " + std::to_string(index) + " keeps its alpha, premultiplied, rows top down: got " +
                                                        std::to_string(actual[0]) + "," + std::to_string(actual[1]) + "," +
                                                        std::to_string(actual[2]) + "," + std::to_string(actual[3]));
        }
    }
    const std::vector<unsigned char> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
    struct Bad {
        const char* what;
        const void* data;
        size_t size;
    };
    const std::vector<Bad> bad = {
        {"not a PNG", garbage.data(), garbage.size()},
        {"a PNG cut in half", png.data(), png.size() / 2},
        {"no bytes", png.data(), 0},
        {"no data", nullptr, 10},
    };
    for (const Bad& b : bad) {
        check.Expect(!tk::DecodePng(b.data, b.size), std::string(b.what) + " gives no picture");
    }

    check.Group("drawing pictures");
    HBITMAP kept = tk::LoadPicture(png.data(), png.size());
    check.Expect(kept != nullptr, "LoadPicture keeps a decoded picture");
    check.Expect(tk::LoadPicture(garbage.data(), garbage.size()) == nullptr, "LoadPicture gives null for bad data");
    check.Expect(tk::PictureSize(kept).cx == 3 && tk::PictureSize(kept).cy == 2, "PictureSize");
    {
        Canvas canvas(3, 2, RGB(255, 255, 255));
        tk::DrawPicture(canvas.Dc(), kept, 0, 0);
        check.Expect(Near(canvas.At(0, 0), RGB(255, 0, 0)), "opaque pixels cover the background: " + ShowColour(canvas.At(0, 0)));
        check.Expect(Near(canvas.At(1, 0), RGB(127, 255, 127)), "half-transparent pixels blend: " + ShowColour(canvas.At(1, 0)));
        check.Expect(Near(canvas.At(2, 0), RGB(255, 255, 255)), "transparent pixels leave the background: " + ShowColour(canvas.At(2, 0)));
    }

    // A picture control blends onto its container's background; an image button centres its picture.
    const std::vector<unsigned char> redSquare(4 * 4 * 4, 0);
    std::vector<unsigned char> red = redSquare;
    for (size_t index = 0; index < red.size(); index += 4) {
        red[index] = 255;
        red[index + 3] = 255;
    }
    const std::vector<unsigned char> redPng = MakePng(4, 4, red);
    HBITMAP square = tk::LoadPicture(redPng.data(), redPng.size());
    HWND window = Open(L"Pictures");
    tk::SetColour(window, tk::ColourKind::Background, tk::Rgb(225, 225, 225));
    HWND picture = tk::PictureBox::Create({{10, 10, 10, 10}, kept});
    {
        Canvas canvas(10, 10, RGB(0, 0, 0));
        SendMessageW(picture, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        check.Expect(Near(canvas.At(0, 0), RGB(255, 0, 0)), "the picture control draws from its top-left corner");
        check.Expect(Near(canvas.At(2, 0), RGB(225, 225, 225)), "transparent parts show the window's background");
        check.Expect(Near(canvas.At(1, 0), RGB(112, 240, 112)), "half-transparent parts blend with it: " + ShowColour(canvas.At(1, 0)));
        check.Expect(Near(canvas.At(8, 8), RGB(225, 225, 225)), "the rest shows the window's background");
    }
    HWND imageButton = tk::ImageButton::Create({{30, 10, 20, 10}, square});
    check.Equal(GetWindowLongPtrW(imageButton, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG_PTR>(BS_OWNERDRAW), "the image button draws itself");
    {
        Canvas canvas(20, 10, RGB(0, 0, 0));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(imageButton));
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = imageButton;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, 20, 10};
        SendMessageW(window, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        check.Expect(canvas.At(8, 3) == RGB(255, 0, 0) && canvas.At(11, 6) == RGB(255, 0, 0), "the picture is centred on the face");
        check.Expect(canvas.At(7, 5) != RGB(255, 0, 0) && canvas.At(12, 5) != RGB(255, 0, 0) && canvas.At(9, 2) != RGB(255, 0, 0),
                     "and nowhere else");
    }
    SendMessageW(imageButton, BM_CLICK, 0, 0);
    check.Equal(NextEvent(), tk::ControlEvent, "a click on the image button raises a control event");
    check.Expect(tk::EventControl() == imageButton, "naming the image button");
    SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    check.Expect(NoEventPending(window), "a click on a picture raises no event");
    tk::DisposeWindow(window);
    tk::FreePicture(square);
    check.Expect(GetObjectType(square) == 0, "FreePicture frees the bitmap");
}

// ---- tooltips ---------------------------------------------------------------------------------------

BOOL CALLBACK CollectTooltip(HWND window, LPARAM list) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TooltipsOf(HWND owner) {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectTooltip, reinterpret_cast<LPARAM>(&found));
    std::vector<HWND> owned;
    for (HWND tooltip : found) {
        if (GetWindow(tooltip, GW_OWNER) == owner) {
            owned.push_back(tooltip);
        }
    }
    return owned;
}

std::wstring ToolText(HWND tooltip, HWND control) {
    wchar_t text[128] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    return text;
}

void CheckTooltips() {
    check.Group("tooltips");
    HWND first = Open(L"Tips one");
    HWND a = tk::Button::Create({{10, 10, 60, 20}, L"a"});
    HWND panel = tk::Panel::Create({{10, 40, 100, 50}});
    HWND b = tk::Button::Create({{5, 5, 60, 20}, L"b"});
    tk::ClosePanel();
    check.Equal(TooltipsOf(first).size(), size_t{0}, "no tooltip control before the first tooltip");
    check.Expect(tk::SetTooltip(a, L"Browse") && tk::SetTooltip(b, L"In panel"), "tooltips set");
    const auto tips = TooltipsOf(first);
    if (check.Equal(tips.size(), size_t{1}, "one tooltip control per window")) {
        HWND tooltip = tips.front();
        check.Equal(static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0)), 2, "two tools");
        check.Equal(ToolText(tooltip, a), std::wstring(L"Browse"), "text of the first tool");
        check.Equal(ToolText(tooltip, b), std::wstring(L"In panel"), "text of the tool in a panel");
        tk::SetTooltip(a, L"Changed");
        check.Equal(static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0)), 2, "setting a tooltip again adds no tool");
        check.Equal(ToolText(tooltip, a), std::wstring(L"Changed"), "but replaces its text");
    }
    (void)panel;
    HWND second = Open(L"Tips two");
    HWND c = tk::Button::Create({{10, 10, 60, 20}, L"c"});
    tk::SetTooltip(c, L"Other");
    check.Equal(TooltipsOf(second).size(), size_t{1}, "another window gets its own tooltip control");
    check.Equal(TooltipsOf(first).size(), size_t{1}, "and the first keeps one");
    const HWND firstTip = TooltipsOf(first).front();
    tk::DisposeWindow(first);
    check.Expect(!IsWindow(firstTip), "closing a window destroys its tooltip control");
    check.Expect(!tk::SetTooltip(first, L"gone"), "no tooltip for a closed window");
    // Controls made without a parent now go to the window that is still open.
    HWND d = tk::Button::Create({{80, 10, 60, 20}, L"d"});
    check.Expect(GetParent(d) == second, "after a window is closed, new controls go to the one opened before it");
    tk::DisposeWindow(second);
}

// ---- message box and requesters ---------------------------------------------------------------------

struct ModalSeen {
    bool found = false;
    HWND box = nullptr;
    HWND owner = nullptr;
    std::vector<int> enabled; // per watched window
    std::vector<bool> topmost;
    std::wstring extra;
};

ModalSeen seen;
std::vector<HWND> watched;
std::wstring wantedTitle;
std::function<void(HWND)> answer;
int ticks = 0;

BOOL CALLBACK FindDialog(HWND window, LPARAM) {
    wchar_t name[64] = {};
    wchar_t title[256] = {};
    GetClassNameW(window, name, 64);
    GetWindowTextW(window, title, 256);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window) && title == wantedTitle) {
        seen.box = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK InspectModal(HWND, UINT, UINT_PTR timer, DWORD) {
    ++ticks;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, 0);
    if (!seen.box) {
        if (ticks > 100) {
            KillTimer(nullptr, timer);
        }
        return;
    }
    KillTimer(nullptr, timer);
    seen.found = true;
    seen.owner = GetWindow(seen.box, GW_OWNER);
    for (HWND window : watched) {
        seen.enabled.push_back(IsWindowEnabled(window) ? 1 : 0);
        seen.topmost.push_back((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }
    answer(seen.box);
}

void Watch(const std::wstring& title, std::function<void(HWND)> respond, UINT delay = 200) {
    seen = ModalSeen{};
    wantedTitle = title;
    answer = std::move(respond);
    ticks = 0;
    SetTimer(nullptr, 0, delay, InspectModal);
}

BOOL CALLBACK FindAnyDialog(HWND window, LPARAM) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
        seen.box = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerFolderDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EnumThreadWindows(GetCurrentThreadId(), FindAnyDialog, 0);
    if (seen.box) {
        seen.found = true;
        seen.owner = GetWindow(seen.box, GW_OWNER);
        seen.enabled.push_back(IsWindowEnabled(watched[1]) ? 1 : 0);
        PostMessageW(seen.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

void CheckMessageBox() {
    check.Group("message box");
    HWND foreground = Open(L"Foreground");
    HWND other = Open(L"Other");
    HWND alreadyDisabled = Open(L"Disabled");
    HWND hidden = Open(L"Hidden");
    HWND topmost = Open(L"Topmost", 200, 100, WS_EX_TOPMOST);
    tk::SetWindowEnabled(alreadyDisabled, false);
    ShowWindow(hidden, SW_HIDE);
    tk::ActivateWindow(foreground);
    Pump(200);
    if (!check.Expect(GetForegroundWindow() == foreground, "the first window is in the foreground")) {
        return;
    }
    watched = {foreground, other, alreadyDisabled, hidden, topmost};
    Watch(L"Installation complete!", [](HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0); });
    const int result = tk::ShowMessageBox(L"Installation complete!", L"Quit Program now?", MB_YESNO);
    check.Equal(result, IDNO, "the result of MessageBoxW comes back (No is 7)");
    if (check.Expect(seen.found, "the box appeared")) {
        check.Expect(seen.owner == foreground, "owned by the foreground window of the process");
        check.Equal(seen.enabled, std::vector<int>{0, 0, 0, 1, 0},
                    "while open: owner disabled by the box itself, other visible windows disabled, hidden one untouched");
        check.Expect(!seen.topmost[4], "the topmost window is taken out of the topmost band while the box is open");
    }
    check.Expect(IsWindowEnabled(foreground) && IsWindowEnabled(other) && IsWindowEnabled(topmost), "afterwards the windows are enabled again");
    check.Expect(!IsWindowEnabled(alreadyDisabled), "a window that was disabled before stays disabled");
    check.Expect(IsWindowEnabled(hidden) != FALSE, "the hidden window was never touched");
    check.Expect((GetWindowLongPtrW(topmost, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "the topmost window is topmost again");

    Watch(L"Plain", [](HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    check.Equal(tk::ShowMessageBox(L"Plain", L"Text", MB_OK), IDOK, "an OK box returns IDOK");

    check.Group("open-file requester");
    const wchar_t oneType[] = L"Executables \0 *.exe\0";
    const wchar_t twoTypes[] = L"Text\0*.txt\0All\0*.*\0";
    check.Equal(tk::FilterList(L"Executables | *.exe"), std::wstring(oneType, std::size(oneType)),
                "the pattern is split at \"|\" with its blanks kept");
    check.Equal(tk::FilterList(L"Text|*.txt|All|*.*"), std::wstring(twoTypes, std::size(twoTypes)), "several types");
    const std::wstring before = tk::CurrentDirectory();
    const std::wstring self = tk::ModulePath();
    Watch(L"Path to DOSBox.exe",
          [self](HWND dialog) {
              wchar_t type[64] = {};
              HWND types = GetDlgItem(dialog, cmb1);
              const LRESULT selection = SendMessageW(types, CB_GETCURSEL, 0, 0);
              if (selection >= 0) {
                  SendMessageW(types, CB_GETLBTEXT, static_cast<WPARAM>(selection), reinterpret_cast<LPARAM>(type));
              }
              seen.extra = type;
              if (!SetDlgItemTextW(dialog, cmb13, self.c_str())) {
                  SetDlgItemTextW(dialog, edt1, self.c_str());
              }
              PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
          },
          500);
    const std::wstring chosen = tk::OpenFileRequester(L"Path to DOSBox.exe", before, L"Executables | *.exe",
                                                      OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY);
    if (check.Expect(seen.found, "the open-file dialog appeared")) {
        check.Expect(seen.owner == foreground, "owned by the foreground window");
        check.Equal(seen.enabled[1], 0, "the other window is disabled while it is open");
        check.Equal(seen.extra, std::wstring(L"Executables "), "the first file type is preselected, named as given");
    }
    check.Equal(tk::CurrentDirectory(), before, "the working directory is unchanged");
    check.Expect(_wcsicmp(chosen.c_str(), self.c_str()) == 0, "the chosen file's full path comes back: " + checks::Utf8(chosen));
    check.Expect(IsWindowEnabled(other) != FALSE, "the other window is enabled again");
    Watch(L"Path to DOSBox.exe", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }, 500);
    check.Equal(tk::OpenFileRequester(L"Path to DOSBox.exe", before, L"Executables | *.exe", OFN_EXPLORER), std::wstring(),
                "cancelling gives empty text");

    check.Group("folder requester");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tk-folder-check";
    CreateDirectoryW(folder.c_str(), nullptr);
    // The folder dialog is found by its class alone; it is answered after the second selection (200 ms).
    seen = ModalSeen{};
    SetTimer(nullptr, 0, 900, AnswerFolderDialog);
    const std::wstring picked = tk::FolderRequester(L"Select Destination Folder", folder, BIF_NEWDIALOGSTYLE | BIF_EDITBOX);
    if (check.Expect(seen.found, "the folder dialog appeared")) {
        check.Expect(seen.owner == foreground, "owned by the foreground window");
        check.Equal(seen.enabled[0], 0, "the other window is disabled while it is open");
    }
    check.Expect(_wcsicmp(picked.c_str(), (folder + L"\\").c_str()) == 0,
                 "the initial folder is selected and comes back with one trailing backslash: " + checks::Utf8(picked));
    RemoveDirectoryW(folder.c_str());
    for (HWND window : {foreground, other, alreadyDisabled, hidden, topmost}) {
        tk::DisposeWindow(window);
    }
}

// ---- fonts, paths -----------------------------------------------------------------------------------

void CheckFonts() {
    check.Group("fonts");
    struct Case {
        int points;
        int dpi;
        int height;
    };
    for (const Case& c : std::vector<Case>{{16, 96, -21}, {10, 96, -13}, {16, 120, -27}, {10, 144, -20}}) {
        check.Equal(tk::FontHeight(c.points, c.dpi), c.height,
                    std::to_string(c.points) + " points at " + std::to_string(c.dpi) + " DPI");
    }
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    const int dpi = display ? GetDeviceCaps(display, LOGPIXELSY) : 96;
    if (display) {
        DeleteDC(display);
    }
    check.Equal(tk::ScreenDpi(), dpi, "the DPI is the display's LOGPIXELSY");
    HFONT title = tk::LoadFont(L"Tahoma", 16, 700);
    LOGFONTW description{};
    if (check.Expect(title && GetObjectW(title, sizeof description, &description) == sizeof description, "LoadFont makes a font")) {
        check.Equal(description.lfHeight, static_cast<LONG>(-MulDiv(16, dpi, 72)), "height from the points");
        check.Equal(description.lfWeight, 700l, "weight");
        check.Equal(std::wstring(description.lfFaceName), std::wstring(L"Tahoma"), "face");
        check.Expect(!description.lfItalic && !description.lfUnderline && !description.lfStrikeOut &&
                         description.lfCharSet == DEFAULT_CHARSET && description.lfWidth == 0,
                     "plain, default character set, natural width");
    }
    HWND window = Open(L"Fonts");
    HWND label = tk::Label::Create({{10, 10, 100, 20}, L"label"});
    check.Expect(SendMessageW(label, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)),
                 "controls start with the default GUI font");
    tk::SetFont(label, title);
    check.Expect(SendMessageW(label, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(title), "SetFont gives another font");
    tk::SetFont(label, nullptr);
    check.Expect(SendMessageW(label, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)),
                 "an empty font puts the default back");
    tk::DisposeWindow(window);
}

void CheckPaths() {
    check.Group("paths");
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* file;
    };
    const std::vector<Case> cases = {
        {L"C:\\Tools\\Tarnwick.exe", L"C:\\Tools\\", L"Tarnwick.exe"},
        {L"C:\\Program Files\\My Tools\\a.exe", L"C:\\Program Files\\My Tools\\", L"a.exe"},
        {L"C:/a/b", L"C:/a/", L"b"},
        {L"C:\\a/b\\c", L"C:\\a/b\\", L"c"},
        {L"C:\\", L"C:\\", L""},
        {L"Tarnwick.exe", L"", L"Tarnwick.exe"},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        check.Equal(tk::FolderPart(c.path), std::wstring(c.folder), "folder part of " + checks::Show(c.path));
        check.Equal(tk::FilePart(c.path), std::wstring(c.file), "file part of " + checks::Show(c.path));
    }
    check.Equal(tk::WithTrailingBackslash(L"C:\\a"), std::wstring(L"C:\\a\\"), "a backslash is appended");
    check.Equal(tk::WithTrailingBackslash(L"C:\\"), std::wstring(L"C:\\"), "but not doubled");
    const std::wstring module = tk::ModulePath();
    check.Expect(module.size() > 17 && _wcsicmp(module.c_str() + module.size() - 17, L"ToolkitChecks.exe") == 0,
                 "the module path names this program: " + checks::Utf8(module));
    const std::wstring original = tk::CurrentDirectory();
    SetCurrentDirectoryW(L"C:\\");
    check.Equal(tk::CurrentDirectory(), std::wstring(L"C:\\"), "a drive root keeps its one backslash");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring tempFolder(temp);
    if (!tempFolder.empty() && tempFolder.back() == L'\\') {
        tempFolder.pop_back();
    }
    SetCurrentDirectoryW(tempFolder.c_str());
    const std::wstring current = tk::CurrentDirectory();
    check.Expect(current.size() == tempFolder.size() + 1 && current.back() == L'\\' && current[current.size() - 2] != L'\\',
                 "another folder gets exactly one trailing backslash: " + checks::Utf8(current));
    SetCurrentDirectoryW(original.c_str());
}

// ---- shutdown ---------------------------------------------------------------------------------------

HWND windowAtShutdown = nullptr;
bool aliveInAction = false;

void NoteWindowAtShutdown() { aliveInAction = IsWindow(windowAtShutdown) != FALSE; }

void CheckShutdown() {
    check.Group("shutdown");
    HWND first = Open(L"First");
    HWND control = tk::Button::Create({{10, 10, 60, 20}, L"x"});
    tk::SetTooltip(control, L"tip");
    HWND second = Open(L"Second");
    HFONT font = tk::LoadFont(L"Tahoma", 10, 400);
    const std::vector<unsigned char> pixel = {1, 2, 3, 255};
    const std::vector<unsigned char> png = MakePng(1, 1, pixel);
    HBITMAP picture = tk::LoadPicture(png.data(), png.size());
    PostMessageW(first, WM_CLOSE, 0, 0);
    Pump(50);
    windowAtShutdown = first;
    tk::AtShutdown(NoteWindowAtShutdown);
    tk::Shutdown();
    check.Expect(aliveInAction, "actions registered with AtShutdown run before the windows go");
    check.Expect(!IsWindow(first) && !IsWindow(second) && !IsWindow(control), "every window and control is destroyed");
    check.Expect(GetObjectType(font) == 0 && GetObjectType(picture) == 0, "fonts and pictures are freed");
    check.Expect(tk::OpenWindows().empty(), "no window is left in the toolkit");
    check.Equal(tk::EventKind(), 0, "the current event is forgotten");

    check.Expect(tk::Initialise(), "the toolkit can be initialised again");
    HWND again = Open(L"Again");
    check.Expect(again != nullptr, "and opens windows");
    PostMessageW(again, WM_CLOSE, 0, 0);
    check.Equal(NextEvent(), tk::CloseWindowEvent, "the queued close of the window destroyed earlier is gone; the new one arrives");
    check.Expect(tk::EventWindow() == again, "from the new window");
    tk::Shutdown();
}

} // namespace

int main() {
    if (!check.Expect(tk::Initialise(), "the toolkit initialises")) {
        return check.Finish();
    }
    CheckPlacement();
    CheckEvents();
    CheckShortcuts();
    CheckColours();
    CheckHyperLink();
    CheckPictures();
    CheckTooltips();
    CheckMessageBox();
    CheckFonts();
    CheckPaths();
    CheckShutdown();
    return check.Finish();
}
