#include "toolkit/TextField.h"

namespace tk {

HWND TextField::Create(const TextFieldArgs& args) {
    ControlSpec spec;
    spec.className = L"Edit";
    spec.text = args.text;
    spec.style = WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
    spec.exStyle = WS_EX_CLIENTEDGE;
    spec.rect = args.rect;
    spec.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new TextField), spec);
}

} // namespace tk
