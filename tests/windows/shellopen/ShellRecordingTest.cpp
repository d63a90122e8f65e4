// The recording mode of test builds (TARNWICK_SHELL_RECORDING): with TARNWICK_SHELL_LOG set, every
// target is appended to that file as a UTF-8 line instead of going to the shell; without it the
// real shell is asked as usual.

#include "ui/ShellOpen.h"

#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

namespace {

using tarnwick::FolderPart;
using tarnwick::OpenHelpDocument;
using tarnwick::OpenWithShell;

int passed = 0;
int failed = 0;

void Check(bool condition, const std::string& what)
{
    if (condition) {
        ++passed;
        std::printf("ok   %s\n", what.c_str());
    } else {
        ++failed;
        std::printf("FAIL %s\n", what.c_str());
    }
}

std::optional<std::string> ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes(65536, '\0');
    DWORD read = 0;
    const bool ok = ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

std::string Utf8(const std::u16string& text)
{
    const std::wstring wide(text.begin(), text.end());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::u16string OwnFolder()
{
    wchar_t buffer[4096];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
    return FolderPart(std::u16string(buffer, buffer + (length < std::size(buffer) ? length : 0)));
}

} // namespace

int main()
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD tempLength = GetTempPathW(DWORD(std::size(temp)), temp);
    if (tempLength == 0 || tempLength > MAX_PATH) {
        std::printf("FAIL no temporary folder\n0 passed, 1 failed\n");
        return 1;
    }
    const std::wstring log =
        std::wstring(temp, tempLength) + L"tarnwick-shell-log-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(log.c_str());

    // Recording: targets are appended, one line each, and count as opened.
    SetEnvironmentVariableW(L"TARNWICK_SHELL_LOG", log.c_str());
    const std::u16string web = u"https://fenwold.example/tarnwick";
    const std::u16string document = u"C:\\Bücher – Fenwold\\docs\\README.pdf";
    Check(OpenWithShell(web) == 1, "recording: a recorded target counts as opened");
    Check(OpenWithShell(document) == 1, "recording: a second target counts as opened");
    Check(OpenHelpDocument() == 0, "recording: OpenHelpDocument returns 0");
    const std::string expected =
        Utf8(web) + "\n" + Utf8(document) + "\n" + Utf8(OwnFolder() + u"docs\\README.pdf") + "\n";
    const std::optional<std::string> recorded = ReadBytes(log);
    Check(recorded.has_value(), "recording: the log file exists");
    Check(recorded == expected, "recording: the log holds each target as a UTF-8 line, in order" +
                                    (recorded && recorded != expected ? "; got \"" + *recorded + "\"" : std::string()));

    // Without the variable the shell is asked: a missing document fails, and nothing is recorded.
    SetEnvironmentVariableW(L"TARNWICK_SHELL_LOG", nullptr);
    Check(OpenWithShell(u"C:\\tarnwick-no-such-folder\\README.pdf") == 0,
          "no log variable: the real shell is asked and a missing document gives 0");
    Check(ReadBytes(log) == expected, "no log variable: nothing more is recorded");

    DeleteFileW(log.c_str());
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
