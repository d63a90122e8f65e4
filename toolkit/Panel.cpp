#include "toolkit/Panel.h"

#include "toolkit/Internal.h"

namespace tk {

HWND Panel::Create(const PanelArgs& args) {
    ControlRecipe recipe;
    recipe.className = PanelClassName;
    recipe.exStyle = WS_EX_CLIENTEDGE;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    HWND panel = CreateControl(std::unique_ptr<Control>(new Panel), recipe);
    if (panel) {
        OpenContainer(panel);
    }
    return panel;
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND && EraseWithBrush(Handle(), reinterpret_cast<HDC>(wParam), BackgroundBrush())) {
        return 1;
    }
    LRESULT result = 0;
    if (HandleContainerMessage(Handle(), message, wParam, lParam, result)) {
        return result;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

void ClosePanel() { CloseContainer(); }

} // namespace tk
