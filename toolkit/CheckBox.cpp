#include "toolkit/CheckBox.h"

namespace tk {

HWND CheckBox::Create(const CheckBoxArgs& args) {
    ControlRecipe recipe;
    recipe.className = L"Button";
    recipe.text = args.text;
    recipe.style = BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new CheckBox), recipe);
}

void SetCheckState(HWND checkBox, int state) {
    QuietChange quiet(FindControl(checkBox));
    SendMessageW(checkBox, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
}

int GetCheckState(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

} // namespace tk
