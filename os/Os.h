// The engine's narrow window onto the operating system: files, folders and path queries.
// The product links the Win32 side; native tests, the benchmark and the fuzzer link the POSIX side,
// which models the Windows behaviour the engine relies on (backslash separators, read-only files
// that cannot be replaced or deleted).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnwick::os {

enum class Sharing { None, Read };

// A file opened for writing. Owns its handle and closes it when destroyed; cannot be copied.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    explicit operator bool() const { return handle != invalid; }

    // Writes all bytes; false when the system took fewer.
    bool Write(const void* data, std::size_t size);
    // Closes the file; false when the system reported an error on close.
    bool Close();

private:
    friend OutputFile CreateAlways(const std::u16string&, Sharing);
    friend OutputFile TruncateExisting(const std::u16string&);
    static constexpr std::intptr_t invalid = -1;
    std::intptr_t handle = invalid;
};

// Creates a new empty file, or replaces and empties an existing one, opened for reading and writing
// (CREATE_ALWAYS). Fails for an existing read-only, hidden or system file and for a missing folder.
OutputFile CreateAlways(const std::u16string& path, Sharing sharing);

// Opens an existing file for writing only and empties it (TRUNCATE_EXISTING).
OutputFile TruncateExisting(const std::u16string& path);

// Deletes a file without touching its attributes first. False when it could not be deleted.
bool RemoveFile(const std::u16string& path);

// Creates one folder (no parents) after removing trailing blanks, "\" and "/". False on failure,
// a folder that exists already included.
bool CreateSingleFolder(const std::u16string& path);

// The size of a file (0 or more), -2 for an existing folder, -1 for nothing. Trailing separators are
// ignored; only the first 260 characters are looked at; a drive ("C:" or "C:\") and the root of a
// network share count as folders when they exist.
std::int64_t PathSize(const std::u16string& path);

// Lower-cases text the way the system does for file names and extensions.
std::u16string LowerCase(const std::u16string& text);

} // namespace tarnwick::os
