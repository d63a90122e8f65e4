#include "TestHost.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tarnwick::testing {

ScratchFolder::ScratchFolder()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / ("tarnwick-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder");
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    // Read-only files left by a test must not stop the clean-up.
    for (auto it = std::filesystem::recursive_directory_iterator(path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

#if defined(_WIN32)
Unreplaceable::Unreplaceable(const std::filesystem::path& file) : file(file)
{
    handle = CreateFileW(file.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot lock " + file.string());
}

Unreplaceable::~Unreplaceable() { CloseHandle(handle); }
#else
Unreplaceable::Unreplaceable(const std::filesystem::path& file) : file(file)
{
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
}

Unreplaceable::~Unreplaceable()
{
    std::error_code ignored;
    std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ignored);
}
#endif

std::u16string ScratchFolder::Target() const { return ToU16(path.string()) + u"\\"; }

std::u16string ToU16(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& content)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
}

std::vector<std::string> FilesBelow(const std::filesystem::path& folder)
{
    std::vector<std::string> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        if (item.is_regular_file())
            files.push_back(std::filesystem::relative(item.path(), folder).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace tarnwick::testing
