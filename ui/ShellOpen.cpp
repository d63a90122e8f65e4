#include "ui/ShellOpen.h"

#include <memory>
#include <string>
#include <type_traits>

namespace tarnwick {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

ShellExecuteFunction testingShellExecute = nullptr;

#ifdef TARNWICK_SHELL_RECORDING
// Test builds only: when the environment variable TARNWICK_SHELL_LOG names a file, every target is
// appended to it as one UTF-8 line ending in "\n" instead of going to the shell, and counts as
// opened. This lets a test of the whole program see what it would have opened.
constexpr wchar_t ShellLogVariable[] = L"TARNWICK_SHELL_LOG";

std::wstring ShellLogPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(ShellLogVariable, path.data(), DWORD(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

BOOL WINAPI RecordShellExecute(SHELLEXECUTEINFOW* info)
{
    std::wstring line = info->lpFile != nullptr ? info->lpFile : L"";
    line += L'\n';
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return FALSE;
    }
    std::string bytes(std::size_t(size), '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), bytes.data(), size, nullptr, nullptr) != size) {
        return FALSE;
    }
    const HANDLE opened = CreateFileW(ShellLogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return FALSE;
    }
    const UniqueHandle log(opened);
    DWORD written = 0;
    return WriteFile(log.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
}
#endif

ShellExecuteFunction CurrentShellExecute()
{
    if (testingShellExecute != nullptr) {
        return testingShellExecute;
    }
#ifdef TARNWICK_SHELL_RECORDING
    if (!ShellLogPath().empty()) {
        return RecordShellExecute;
    }
#endif
    return ShellExecuteExW;
}

} // namespace

void SetShellExecuteForTesting(ShellExecuteFunction function)
{
    testingShellExecute = function;
}

std::u16string FolderPart(std::u16string_view path)
{
    const std::size_t last = path.find_last_of(u"\\/");
    return last == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(0, last + 1));
}

std::u16string HelpDocumentPath(std::u16string_view modulePath)
{
    return FolderPart(modulePath) + u"docs\\README.pdf";
}

std::u16string ModuleFilePath()
{
    // Paths may exceed MAX_PATH; the longest path the system handles has 32767 characters. A result
    // that fills the whole buffer may have been cut short, so the buffer grows until it does not.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            return std::u16string(path.begin(), path.begin() + length);
        }
        if (path.size() > 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

int OpenWithShell(std::u16string_view target)
{
    const std::wstring file(target.begin(), target.end());
    const std::size_t lastBackslash = target.rfind(u'\\');
    const std::wstring directory =
        lastBackslash == std::u16string_view::npos ? std::wstring() : file.substr(0, lastBackslash + 1);

    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = nullptr;
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;

    const BOOL opened = CurrentShellExecute()(&info);
    // The started viewer is never waited for: its process handle, when there is one, goes at once.
    const UniqueHandle process(info.hProcess);
    return opened ? 1 : 0;
}

int OpenHelpDocument()
{
    const std::u16string modulePath = ModuleFilePath();
    if (!modulePath.empty()) {
        OpenWithShell(HelpDocumentPath(modulePath));
    }
    return 0;
}

} // namespace tarnwick
