// A panel: a plain child window of the toolkit's own class with a sunken edge and the button-face
// background, holding controls of its own in its client area. Their notifications reach the program
// as control events and their colours work as on a window.
#pragma once

#include "toolkit/Control.h"

namespace tk {

struct PanelArgs {
    Rect rect;
    HWND parent = nullptr; // null: the current container
};

class Panel final : public Control {
public:
    // Creates the panel and opens it: controls created without a parent go into it until ClosePanel.
    static HWND Create(const PanelArgs& args);

    bool IsContainer() const noexcept override { return true; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Closes the open panel: the next controls go to the container that holds it again.
void ClosePanel();

} // namespace tk
