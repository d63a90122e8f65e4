// A zip archive on disk read through libarchive: entry headers one after another, each entry's name,
// and its data unpacked into a file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct archive;
struct archive_entry;

namespace tarnwick {

class ZipReader {
public:
    // The block size with which the archive file is read.
    static constexpr std::size_t BlockSize = 10240;
    // Entry data goes from the decompressor to the file through a buffer of this size.
    static constexpr std::size_t PieceSize = 2 * 1024 * 1024;

    ZipReader();
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens the file as a zip archive. False when it cannot be read or holds no zip archive.
    bool Open(const std::u16string& path);

    // Reads the next entry header. True only when libarchive reports full success; false at the
    // end of the archive and on any warning or error. WalkComplete tells the two apart afterwards.
    bool NextEntry();
    bool WalkComplete() const { return reachedEnd; }

    // The current entry's stored name; empty when it cannot be read as text.
    std::u16string EntryName() const;
    bool EntryIsFolder() const;

    // Unpacks the current entry into a file created at targetPath (replacing an existing file) through
    // `buffer`. Returns the number of bytes written, or -1 when there is no current entry, it is a
    // folder, the file cannot be created or the data is damaged. No partial file is left on -1.
    std::int64_t UnpackEntryTo(const std::u16string& targetPath, std::vector<unsigned char>& buffer);

    // Releases the reader and closes the file.
    void Close();

private:
    struct ArchiveFree {
        void operator()(archive* reader) const;
    };

    std::unique_ptr<archive, ArchiveFree> reader;
    archive_entry* entry = nullptr; // owned by the reader, valid until the next header
    bool dataConsumed = false;      // the current entry's data has been read (or read into a failure)
    bool reachedEnd = false;
};

} // namespace tarnwick
