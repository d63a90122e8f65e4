#include "toolkit/Button.h"

namespace tk {

HWND Button::Create(const ButtonArgs& args) {
    ControlRecipe recipe;
    recipe.className = L"Button";
    recipe.text = args.text;
    recipe.style = BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Button), recipe);
}

} // namespace tk
