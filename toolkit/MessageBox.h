// The toolkit's modal message box.
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

// Shows MessageBoxW with the text, the title as caption and the flags unchanged, owned by the foreground
// window when it belongs to this process, while the thread's other visible windows are disabled and out
// of the topmost band (see ModalScope). Returns what MessageBoxW returns.
int ShowMessageBox(std::wstring_view title, std::wstring_view text, UINT flags);

} // namespace tk
