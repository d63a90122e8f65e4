// Both fatal extraction failures, run in a child process: the message box appears on screen with its
// title and text, and once it is closed the process ends with exit code 0.
#include "TestHost.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using namespace tarnwick::testing;
namespace fs = std::filesystem;

struct BoxSeen {
    std::wstring text;
    bool found = false;
};

// Waits for the child's message box, reads its text, presses OK, and returns the child's exit code.
DWORD RunChildAndAnswer(const fs::path& target, const wchar_t* mode, const wchar_t* title, BoxSeen& seen)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path child = fs::path(self).parent_path() / "fatal-child.exe";
    std::wstring command = L"\"" + child.wstring() + L"\" \"" + target.wstring() + L"\\\\\" " + mode;
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0xFFFFFFFF;
    for (int i = 0; i < 300 && !seen.found; ++i) {
        if (HWND box = FindWindowW(L"#32770", title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(box)) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                seen.text = text;
                seen.found = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0)
            break;
    }
    DWORD exitCode = 0xFFFFFFFF;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(FatalExtraction, ArchiveThatCannotBeCreatedShowsZipFileErrorThenEndsWithZero)
{
    ScratchFolder folder;
    WriteFile(folder.Path() / "qb45_pb.zip", "read-only");
    BoxSeen seen;
    {
        Unreplaceable locked(folder.Path() / "qb45_pb.zip");
        EXPECT_EQ(RunChildAndAnswer(folder.Path(), L"valid", L"Zip-File Error!", seen), 0u);
    }
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"Installation failed");
    EXPECT_EQ(ReadFile(folder.Path() / "qb45_pb.zip"), "read-only");
    EXPECT_FALSE(fs::exists(folder.Path() / "qb45"));
}

TEST(FatalExtraction, ArchiveThatCannotBeOpenedShowsDecompressionErrorThenEndsWithZero)
{
    ScratchFolder folder;
    BoxSeen seen;
    EXPECT_EQ(RunChildAndAnswer(folder.Path(), L"garbage", L"Decompression Error!", seen), 0u);
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"Installation failed");
    EXPECT_TRUE(FilesBelow(folder.Path()).empty()); // the temporary archive is deleted
}

} // namespace
