#include "toolkit/Frame.h"

namespace tk {

HWND Frame::Create(const FrameArgs& args) {
    ControlRecipe recipe;
    recipe.className = L"Button";
    recipe.text = args.caption;
    recipe.style = BS_GROUPBOX | WS_GROUP;
    recipe.rect = args.rect;
    recipe.parent = args.parent;
    return CreateControl(std::unique_ptr<Control>(new Frame), recipe);
}

} // namespace tk
