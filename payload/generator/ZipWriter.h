// Writes a zip archive the way DOS-era tools did: deflate for every member, no data descriptors, no
// extra fields, MS-DOS as the host system, the archive attribute set, no archive comment.
#pragma once

#include "RawDeflate.h"

#include <cstdint>
#include <string>
#include <vector>

namespace payload {

// Date and time in the packed MS-DOS format used by zip headers.
struct DosTimestamp {
    std::uint16_t time = 0;
    std::uint16_t date = 0;

    // year 1980..2107; seconds are stored in units of two.
    static DosTimestamp From(int year, int month, int day, int hour, int minute, int second);
};

class ZipWriter {
public:
    explicit ZipWriter(DosTimestamp timestamp);

    // Appends one member. name is ASCII with backslash separators; data is the member already deflated.
    // Throws std::runtime_error when the name is not printable ASCII or the archive would exceed the
    // limits of the classic (non-zip64) format.
    void Add(const std::string& name, const DeflatedData& data);

    // Appends the central directory and the end record and returns the whole archive. The writer is empty
    // afterwards.
    std::vector<std::uint8_t> Finish();

private:
    struct CentralRecord {
        std::string name;
        std::uint32_t crc;
        std::uint32_t packedSize;
        std::uint32_t originalSize;
        std::uint32_t localOffset;
    };

    DosTimestamp timestamp;
    std::vector<std::uint8_t> archive;
    std::vector<CentralRecord> records;
};

} // namespace payload
