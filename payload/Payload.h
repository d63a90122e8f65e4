// The archives and pictures that travel inside the executable, each a read-only block of bytes.
#pragma once

#include <cstdint>

namespace tarnwick::payload {

struct Block {
    const unsigned char* data; // first byte; points into the executable's read-only data
    std::int32_t size;         // exact length in bytes
};

Block Qb11Archive();
Block Qb45Archive();
Block QbxArchive();
Block VbdosArchive();
Block ExamplesArchive();

Block LicenseBadgePicture();
Block AboutPicture();
Block DonationPicture();

} // namespace tarnwick::payload
