#include "toolkit/Paths.h"

#include <windows.h>

#include <vector>

namespace tk {

std::wstring FolderPart(std::wstring_view path) {
    const size_t last = path.find_last_of(L"\\/");
    return last == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, last + 1));
}

std::wstring FilePart(std::wstring_view path) {
    const size_t last = path.find_last_of(L"\\/");
    return std::wstring(last == std::wstring_view::npos ? path : path.substr(last + 1));
}

std::wstring ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        if (buffer.size() >= 32768) {
            return std::wstring();
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    if (length == 0 || length >= needed) {
        return std::wstring();
    }
    return WithTrailingBackslash(std::wstring_view(buffer.data(), length));
}

std::wstring WithTrailingBackslash(std::wstring_view path) {
    std::wstring result(path);
    if (!result.empty() && result.back() != L'\\') {
        result += L'\\';
    }
    return result;
}

} // namespace tk
