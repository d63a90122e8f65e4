#include "toolkit/TextField.h"

namespace tk {

HWND TextField::Create(const TextFieldArgs& args) {
    ControlRecipe recipe;
    recipe.className = L"Edit";
    recipe.text = args.text;
    recipe.style = WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
    recipe.exStyle = WS_EX_CLIENTEDGE;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new TextField), recipe);
}

} // namespace tk
