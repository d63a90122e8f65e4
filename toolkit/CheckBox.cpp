#include "toolkit/CheckBox.h"

namespace tk {

HWND CheckBox::Create(const CheckBoxArgs& args) {
    ControlSpec spec;
    spec.className = L"Button";
    spec.text = args.text;
    spec.style = BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP;
    spec.rect = args.rect;
    spec.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new CheckBox), spec);
}

void SetCheckState(HWND checkBox, int state) {
    QuietChange quiet(FindControl(checkBox));
    SendMessageW(checkBox, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
}

int GetCheckState(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

} // namespace tk
