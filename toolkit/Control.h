// The common part of every control: the object the toolkit keeps for a child window, how a control is
// created (with an automatically assigned id, inside the given parent or the current container), and the
// operations that apply to any control by its handle: text, colours, font and keyboard focus.
#pragma once

#include "toolkit/Handles.h"
#include "toolkit/Types.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

struct ControlRecipe;

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND Handle() const noexcept { return handle; }
    std::optional<Colour> TextColour() const noexcept { return textColour; }
    std::optional<Colour> BackgroundColour() const noexcept { return backgroundColour; }
    // The background brush when a background colour is set, otherwise null.
    HBRUSH BackgroundBrush() const noexcept { return backgroundBrush.Get(); }
    // Paints the area in the control's background colour, or in its container's when it has none.
    void FillBackground(HDC dc, const RECT& area) const;

    void SetColour(ColourKind kind, Colour colour);
    // True while the program itself changes the control's text or state: notifications that Windows
    // sends back for such a change are not events.
    bool ChangingQuietly() const noexcept { return quietChanges > 0; }

    // A panel holds controls of its own and forwards their notifications.
    virtual bool IsContainer() const noexcept { return false; }
    // Owner-drawn kinds draw themselves when their parent receives WM_DRAWITEM.
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);
    // Kinds that show a picture take a new one; others return false.
    virtual bool SetPicture(HBITMAP picture);
    // Window procedure of the kinds that have a window class of the toolkit's own.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    Control() = default;
    virtual void ColoursChanged();

private:
    friend class QuietChange;
    friend HWND CreateControl(std::unique_ptr<Control> control, const ControlRecipe& recipe);
    friend LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle = nullptr;
    std::optional<Colour> textColour;
    std::optional<Colour> backgroundColour;
    BrushHandle backgroundBrush;
    int quietChanges = 0;
};

// Marks a change made by the program for the lifetime of the scope (see Control::ChangingQuietly).
class QuietChange {
public:
    explicit QuietChange(Control* control) noexcept : control(control) {
        if (control) {
            ++control->quietChanges;
        }
    }
    QuietChange(const QuietChange&) = delete;
    QuietChange& operator=(const QuietChange&) = delete;
    ~QuietChange() {
        if (control) {
            --control->quietChanges;
        }
    }

private:
    Control* control;
};

// What CreateControl needs besides the object: the window class, text, styles (WS_CHILD and WS_VISIBLE
// are always added), the rectangle and the parent. A null parent means the current container: the panel
// that is open, or else the window opened last.
struct ControlRecipe {
    const wchar_t* className = nullptr;
    std::wstring_view text;
    DWORD style = 0;
    DWORD exStyle = 0;
    Rect rect;
    HWND parent = nullptr;
};

// Creates the child window for the object, gives it the default GUI font and hands the object to its
// top-level window, which keeps it in creation order until the window is closed. Returns the control's
// handle, or null when the parent is unknown or the window cannot be created.
HWND CreateControl(std::unique_ptr<Control> control, const ControlRecipe& recipe);

// The window procedure of the toolkit's own control classes; it passes messages to HandleMessage.
LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The object behind a control handle, or null for a handle that is not one of the toolkit's controls.
Control* FindControl(HWND control);

// Replaces the text of a control or the title of a window. Raises no event.
void SetText(HWND handle, std::wstring_view text);
std::wstring GetText(HWND handle);

// Sets a control's text colour (kind 1) or background colour (kind 2); on a window, the background
// colour sets the colour its client area is erased with.
void SetColour(HWND handle, ColourKind kind, Colour colour);

// Gives a control a font that the caller keeps alive (for example one from LoadFont); a null font
// puts back the default GUI font.
void SetFont(HWND control, HFONT font);

// Moves the keyboard focus to a control.
void FocusControl(HWND control);

} // namespace tk
