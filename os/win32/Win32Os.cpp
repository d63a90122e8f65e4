// Win32 side of the OS seam: the calls the product makes for files, folders and path queries.
#include "os/Os.h"

#include <windows.h>

namespace tarnwick::os {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

HANDLE AsHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

} // namespace

OutputFile::~OutputFile() { Close(); }

OutputFile::OutputFile(OutputFile&& other) noexcept : handle(other.handle) { other.handle = invalid; }

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept
{
    if (this != &other) {
        Close();
        handle = other.handle;
        other.handle = invalid;
    }
    return *this;
}

bool OutputFile::Write(const void* data, std::size_t size)
{
    if (handle == invalid)
        return false;
    auto bytes = static_cast<const char*>(data);
    // WriteFile takes at most 4 GiB - 1 per call; the engine's writes are far smaller, so this loop
    // makes exactly one call for them.
    while (size > 0) {
        const DWORD piece = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(AsHandle(handle), bytes, piece, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool OutputFile::Close()
{
    if (handle == invalid)
        return true;
    const HANDLE file = AsHandle(handle);
    handle = invalid;
    return CloseHandle(file) != 0;
}

OutputFile CreateAlways(const std::u16string& path, Sharing sharing)
{
    OutputFile file;
    const DWORD share = sharing == Sharing::Read ? FILE_SHARE_READ : 0;
    const HANDLE created = CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE)
        file.handle = reinterpret_cast<std::intptr_t>(created);
    return file;
}

OutputFile TruncateExisting(const std::u16string& path)
{
    OutputFile file;
    const HANDLE opened = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened != INVALID_HANDLE_VALUE)
        file.handle = reinterpret_cast<std::intptr_t>(opened);
    return file;
}

bool RemoveFile(const std::u16string& path) { return DeleteFileW(Wide(path)) != 0; }

bool CreateSingleFolder(const std::u16string& path)
{
    std::u16string trimmed = path;
    while (!trimmed.empty() && (trimmed.back() == u' ' || trimmed.back() == u'\\' || trimmed.back() == u'/'))
        trimmed.pop_back();
    return CreateDirectoryW(Wide(trimmed), nullptr) != 0;
}

std::int64_t PathSize(const std::u16string& path)
{
    std::u16string looked = path.substr(0, MAX_PATH);
    while (!looked.empty() && (looked.back() == u'\\' || looked.back() == u'/'))
        looked.pop_back();
    if (looked.empty())
        return -1;

    // A bare drive: "C:" here, since the trailing separator of "C:\" is gone already.
    if (looked.size() == 2 && looked[1] == u':') {
        const std::u16string root = looked + u"\\";
        return GetDriveTypeW(Wide(root)) > DRIVE_NO_ROOT_DIR ? -2 : -1;
    }

    WIN32_FILE_ATTRIBUTE_DATA data {};
    if (!GetFileAttributesExW(Wide(looked), GetFileExInfoStandard, &data)) {
        // The root of a share ("\\server\share") is not always answered by the attribute-data query;
        // the plain attribute query reports it as a folder.
        if (looked.size() > 2 && looked[0] == u'\\' && looked[1] == u'\\') {
            const DWORD attributes = GetFileAttributesW(Wide(looked + u"\\"));
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return -2;
        }
        return -1;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return -2;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::u16string LowerCase(const std::u16string& text)
{
    std::u16string lower = text;
    if (!lower.empty())
        CharLowerW(reinterpret_cast<wchar_t*>(&lower[0]));
    return lower;
}

} // namespace tarnwick::os
