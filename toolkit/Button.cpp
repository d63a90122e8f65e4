#include "toolkit/Button.h"

namespace tk {

HWND Button::Create(const ButtonArgs& args) {
    ControlSpec spec;
    spec.className = L"Button";
    spec.text = args.text;
    spec.style = BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP;
    spec.rect = args.rect;
    spec.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Button), spec);
}

} // namespace tk
