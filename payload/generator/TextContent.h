// Generated text files of a DOS BASIC product: BASIC modules and include files, and plain-text
// documents. All lines end in CR LF.
#pragma once

#include "Prng.h"

#include <cstddef>
#include <string>

namespace payload {

// A BASIC module (or, with includeFile, a declarations file) of exactly size bytes, size >= 3. The
// text reads like real source: comments, declarations, procedures with loops and conditions.
std::string GenerateBasicSource(std::size_t size, bool includeFile, Prng& prng);

// A plain-text document (read-me, packing list, message list) of exactly size bytes, size >= 3, with
// headings and paragraphs wrapped at 76 columns.
std::string GenerateDocument(std::size_t size, Prng& prng);

} // namespace payload
