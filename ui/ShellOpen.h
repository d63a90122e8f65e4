// Handing documents and web addresses to the Windows shell, and opening the help document
// docs\README.pdf beside the executable. Both return at once and never show a failure.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>
#include <shellapi.h>

namespace tarnwick {

// Opens target, a document path or a web address, with the shell's default action
// (ShellExecuteExW, no verb, SW_SHOWNORMAL, no UI on failure). Its working directory is the part of
// target up to and including the last backslash, or none. A process handle that comes back is
// closed at once. Returns nonzero on success and 0 on failure.
int OpenWithShell(std::u16string_view target);

// Hands "<folder of the executable>\docs\README.pdf" to OpenWithShell, ignoring the outcome.
// Returns 0.
int OpenHelpDocument();

// The part of path up to and including its last backslash or slash; empty when it has neither.
std::u16string FolderPart(std::u16string_view path);

// The help document that belongs to the executable at modulePath.
std::u16string HelpDocumentPath(std::u16string_view modulePath);

// The full path of the running executable; empty if the system cannot tell it.
std::u16string ModuleFilePath();

// The shell call OpenWithShell makes. Tests replace it to see what would be handed to the shell;
// nullptr puts ShellExecuteExW back.
using ShellExecuteFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW* info);
void SetShellExecuteForTesting(ShellExecuteFunction function);

} // namespace tarnwick
