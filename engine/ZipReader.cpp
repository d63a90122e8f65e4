#include "engine/ZipReader.h"

#include "base/Utf.h"
#include "os/Os.h"

#include <archive.h>
#include <archive_entry.h>

namespace tarnwick {

void ZipReader::ArchiveFree::operator()(archive* archiveReader) const { archive_read_free(archiveReader); }

ZipReader::ZipReader() = default;

ZipReader::~ZipReader() = default;

bool ZipReader::Open(const std::u16string& path)
{
    Close();
    std::unique_ptr<archive, ArchiveFree> opened(archive_read_new());
    if (!opened || archive_read_support_format_zip(opened.get()) != ARCHIVE_OK)
        return false;
#if defined(_WIN32)
    const int result =
        archive_read_open_filename_w(opened.get(), reinterpret_cast<const wchar_t*>(path.c_str()), BlockSize);
#else
    std::string native = Utf16ToUtf8(path);
    for (char& c : native)
        if (c == '\\')
            c = '/';
    const int result = archive_read_open_filename(opened.get(), native.c_str(), BlockSize);
#endif
    if (result != ARCHIVE_OK)
        return false;
    reader = std::move(opened);
    return true;
}

bool ZipReader::NextEntry()
{
    entry = nullptr;
    dataConsumed = false;
    if (!reader)
        return false;
    archive_entry* next = nullptr;
    const int result = archive_read_next_header(reader.get(), &next);
    if (result == ARCHIVE_OK) {
        entry = next;
        return true;
    }
    reachedEnd = result == ARCHIVE_EOF;
    return false;
}

std::u16string ZipReader::EntryName() const
{
    if (!entry)
        return {};
    // The stored names are ASCII in the archives we carry; anything that does not convert cleanly
    // reads as no name, and such an entry is skipped.
    const char* name = archive_entry_pathname_utf8(entry);
    if (!name)
        return {};
    return Utf8ToUtf16(name).value_or(std::u16string());
}

bool ZipReader::EntryIsFolder() const { return entry && archive_entry_filetype(entry) == AE_IFDIR; }

std::int64_t ZipReader::UnpackEntryTo(const std::u16string& targetPath, std::vector<unsigned char>& buffer)
{
    // The data of an entry can be read once: after a failure while reading it, a second attempt
    // would find nothing left and write an empty file that looks like a good one.
    if (!entry || EntryIsFolder() || dataConsumed)
        return -1;
    os::OutputFile file = os::CreateAlways(targetPath, os::Sharing::Read);
    if (!file)
        return -1;
    dataConsumed = true;
    std::int64_t total = 0;
    for (;;) {
        const la_ssize_t got = archive_read_data(reader.get(), buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got < 0) {
            total = -1;
            break;
        }
        // A short write (a full disk) would leave a truncated file behind that looks installed.
        if (!file.Write(buffer.data(), static_cast<std::size_t>(got))) {
            total = -1;
            break;
        }
        total += got;
    }
    if (!file.Close())
        total = -1;
    if (total < 0)
        os::RemoveFile(targetPath);
    return total;
}

void ZipReader::Close()
{
    entry = nullptr;
    dataConsumed = false;
    reachedEnd = false;
    reader.reset();
}

} // namespace tarnwick
