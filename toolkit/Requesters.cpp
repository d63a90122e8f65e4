#include "toolkit/Requesters.h"

#include "toolkit/ComPtr.h"
#include "toolkit/ModalScope.h"
#include "toolkit/Paths.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace tk {
namespace {

constexpr DWORD ResultCharacters = 260;
constexpr UINT_PTR ReselectTimerId = 0x7A17;
constexpr UINT ReselectDelay = 200;

// The folder to select in the folder requester that is open (there is only one thread, and one at a time).
const std::wstring* selection = nullptr;

void CALLBACK SelectAgain(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    if (selection) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(selection->c_str()));
    }
}

int CALLBACK FolderDialogCallback(HWND dialog, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED && selection) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(selection->c_str()));
        SetTimer(dialog, ReselectTimerId, ReselectDelay, SelectAgain);
    }
    return 0;
}

} // namespace

std::wstring FilterList(std::wstring_view pattern) {
    std::wstring list(pattern);
    std::replace(list.begin(), list.end(), L'|', L'\0');
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

std::wstring OpenFileRequester(std::wstring_view title, std::wstring_view initialPath, std::wstring_view pattern,
                               DWORD flags) {
    const std::wstring caption(title);
    const std::wstring filters = FilterList(pattern);
    const std::wstring folder = FolderPart(initialPath);
    const std::wstring name = FilePart(initialPath);
    std::vector<wchar_t> result(ResultCharacters, L'\0');
    std::copy_n(name.begin(), std::min<size_t>(name.size(), ResultCharacters - 1), result.begin());

    ModalScope scope;
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = scope.Owner();
    request.lpstrFilter = filters.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = result.data();
    request.nMaxFile = ResultCharacters;
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    request.lpstrTitle = caption.c_str();
    request.Flags = flags;
    if (!GetOpenFileNameW(&request)) {
        return std::wstring();
    }
    return std::wstring(result.data());
}

std::wstring FolderRequester(std::wstring_view text, std::wstring_view initialFolder, UINT flags) {
    const std::wstring heading(text);
    const std::wstring initial(initialFolder);
    wchar_t displayName[MAX_PATH] = {};

    ModalScope scope;
    BROWSEINFOW request{};
    request.hwndOwner = scope.Owner();
    request.pszDisplayName = displayName;
    request.lpszTitle = heading.c_str();
    request.ulFlags = flags;
    request.lpfn = FolderDialogCallback;
    selection = &initial;
    CoTaskMemPtr<ITEMIDLIST> chosen(SHBrowseForFolderW(&request));
    selection = nullptr;
    if (!chosen) {
        return std::wstring();
    }
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.Get(), path) || path[0] == L'\0') {
        return std::wstring();
    }
    return WithTrailingBackslash(path);
}

} // namespace tk
