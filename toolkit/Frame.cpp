#include "toolkit/Frame.h"

namespace tk {

HWND Frame::Create(const FrameArgs& args) {
    ControlSpec spec;
    spec.className = L"Button";
    spec.text = args.caption;
    spec.style = BS_GROUPBOX | WS_GROUP;
    spec.rect = args.rect;
    spec.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Frame), spec);
}

} // namespace tk
