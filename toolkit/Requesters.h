// The system's open-file and folder requesters. Both are owned by the foreground window when it belongs
// to this process, and the thread's other visible windows are disabled while they are open (see
// ModalScope). A cancelled or failed requester gives empty text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tk {

// The filter list GetOpenFileNameW takes, made from a pattern text such as "Executables | *.exe" by
// splitting it at every "|" (blanks around "|" are kept): display name, pattern, display name, ...
std::wstring FilterList(std::wstring_view pattern);

// Shows GetOpenFileNameW with the title, the filter list from pattern (its first type preselected), the
// flags unchanged and a 260-character result buffer. initialPath gives the initial folder (up to and
// including its last backslash) and the initial file name (the rest). Returns the chosen file's path.
std::wstring OpenFileRequester(std::wstring_view title, std::wstring_view initialPath, std::wstring_view pattern,
                               DWORD flags);

// Shows SHBrowseForFolderW with the text above the tree and the flags unchanged, selecting
// initialFolder (as given) when the dialog reports that it is initialised and again 200 ms later.
// Returns the chosen folder's file-system path with a trailing backslash, or empty text when the choice
// has no file-system path.
std::wstring FolderRequester(std::wstring_view text, std::wstring_view initialFolder, UINT flags);

} // namespace tk
