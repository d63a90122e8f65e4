// Raw deflate (no zlib or gzip wrapper) of one archive member, as zip method 8 stores it.
#pragma once

#include <cstdint>
#include <vector>

namespace payload {

struct DeflatedData {
    std::vector<std::uint8_t> packed; // the raw deflate stream
    std::uint32_t crc = 0;            // CRC-32 of the original bytes
    std::uint32_t originalSize = 0;
};

// Compresses with zlib at the highest level, window 32 KiB. The result depends on the input and the zlib
// build only. Throws std::runtime_error when zlib reports an error or the input exceeds 4 GiB.
DeflatedData DeflateRaw(const std::vector<std::uint8_t>& original);

} // namespace payload
