// Bytes that look and compress like the files of a DOS development product: 16-bit x86 code, message
// strings, tables, zero padding, object-module records, help topics, and blocks that are compressed
// already (packed help text, packed resources).
#pragma once

#include "Prng.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace payload {

enum class BinaryStyle {
    Program, // executables and overlays: mostly code, with messages and tables
    Library, // object modules and libraries: object records with symbol names around code
    Help,    // help databases: topic text and index tables
    Data,    // fonts and other data files: tables and padding
};

// Generates exactly size bytes. About packedShare (0..1) of them come from blocks that do not compress
// at all; the rest is structured content of the given style. The more packed share, the closer the
// deflate ratio of the result comes to 1, which is how the packed size of an archive is steered.
std::vector<std::uint8_t> GenerateBinary(BinaryStyle style, std::size_t size, double packedShare, Prng& prng);

} // namespace payload
