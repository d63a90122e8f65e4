#include "toolkit/Label.h"

namespace tk {

HWND Label::Create(const LabelArgs& args) {
    DWORD alignment = SS_LEFT;
    if (args.align == TextAlign::Centre) {
        alignment = SS_CENTER;
    } else if (args.align == TextAlign::Right) {
        alignment = SS_RIGHT;
    }
    ControlRecipe recipe;
    recipe.className = L"Static";
    recipe.text = args.text;
    recipe.style = alignment | SS_NOPREFIX | WS_GROUP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Label), recipe);
}

} // namespace tk
