#include "toolkit/MessageBox.h"

#include "toolkit/ModalScope.h"

#include <string>

namespace tk {

int ShowMessageBox(std::wstring_view title, std::wstring_view text, UINT flags) {
    const std::wstring caption(title);
    const std::wstring message(text);
    ModalScope scope;
    return MessageBoxW(scope.Owner(), message.c_str(), caption.c_str(), flags);
}

} // namespace tk
