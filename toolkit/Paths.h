// File and path helpers.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Everything up to and including the last backslash or slash; empty if there is none.
std::wstring FolderPart(std::wstring_view path);

// Everything after the last backslash or slash; the whole path if there is none.
std::wstring FilePart(std::wstring_view path);

// The full path of the program's executable file; empty on failure.
std::wstring ModulePath();

// The process's current directory, ending in a backslash; empty on failure.
std::wstring CurrentDirectory();

// The path with a backslash appended unless it is empty or already ends in one.
std::wstring WithTrailingBackslash(std::wstring_view path);

} // namespace tk
