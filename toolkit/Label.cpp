#include "toolkit/Label.h"

namespace tk {

HWND Label::Create(const LabelArgs& args) {
    DWORD alignment = SS_LEFT;
    if (args.align == TextAlign::Centre) {
        alignment = SS_CENTER;
    } else if (args.align == TextAlign::Right) {
        alignment = SS_RIGHT;
    }
    ControlSpec spec;
    spec.className = L"Static";
    spec.text = args.text;
    spec.style = alignment | SS_NOPREFIX | WS_GROUP;
    spec.rect = args.rect;
    spec.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Label), spec);
}

} // namespace tk
