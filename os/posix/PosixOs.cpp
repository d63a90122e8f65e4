// POSIX side of the OS seam, for native tests, the benchmark and the fuzzer. Paths are the program's
// Windows-style texts: "\" and "/" both separate folders. Where POSIX is more permissive than Windows
// (root may replace or delete a file without write permission), the Windows rule is kept, so that a
// file without write permission plays the part of a read-only file.
#include "os/Os.h"

#include "base/Utf.h"

#include <cerrno>
#include <cwctype>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::os {
namespace {

std::string NativePath(const std::u16string& path)
{
    std::string native = Utf16ToUtf8(path);
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

bool IsReadOnlyFile(const std::string& native)
{
    struct stat info {};
    return ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
}


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
    while (size > 0) {
        const ssize_t written = ::write(static_cast<int>(handle), bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputFile::Close()
{
    if (handle == invalid)
        return true;
    const int fd = static_cast<int>(handle);
    handle = invalid;
    return ::close(fd) == 0;
}

OutputFile CreateAlways(const std::u16string& path, Sharing)
{
    const std::string native = NativePath(path);
    OutputFile file;
    if (native.empty() || IsReadOnlyFile(native))
        return file;
    const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0)
        file.handle = fd;
    return file;
}

OutputFile TruncateExisting(const std::u16string& path)
{
    const std::string native = NativePath(path);
    OutputFile file;
    if (native.empty() || IsReadOnlyFile(native))
        return file;
    const int fd = ::open(native.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd >= 0)
        file.handle = fd;
    return file;
}

bool RemoveFile(const std::u16string& path)
{
    const std::string native = NativePath(path);
    struct stat info {};
    if (native.empty() || ::lstat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || IsReadOnlyFile(native))
        return false;
    return ::unlink(native.c_str()) == 0;
}

bool CreateSingleFolder(const std::u16string& path)
{
    std::u16string trimmed = path;
    while (!trimmed.empty() && (trimmed.back() == u' ' || trimmed.back() == u'\\' || trimmed.back() == u'/'))
        trimmed.pop_back();
    if (trimmed.empty())
        return false;
    return ::mkdir(NativePath(trimmed).c_str(), 0777) == 0;
}

std::int64_t PathSize(const std::u16string& path)
{
    std::u16string looked = path.substr(0, 260);
    while (!looked.empty() && (looked.back() == u'\\' || looked.back() == u'/'))
        looked.pop_back();
    if (looked.empty())
        return -1;
    struct stat info {};
    if (::stat(NativePath(looked).c_str(), &info) != 0)
        return -1;
    if (S_ISDIR(info.st_mode))
        return -2;
    if (S_ISREG(info.st_mode))
        return static_cast<std::int64_t>(info.st_size);
    return -1;
}

std::u16string LowerCase(const std::u16string& text)
{
    std::u16string lower = text;
    for (char16_t& c : lower)
        c = static_cast<char16_t>(std::towlower(static_cast<wint_t>(c)));
    return lower;
}

} // namespace tarnwick::os
