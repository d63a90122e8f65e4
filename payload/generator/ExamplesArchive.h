// The archive of example programs: seven QBasic programs in the folder EXAMPLES.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace payload {

struct ExampleFile {
    std::string name; // "EXAMPLES\GUESS.BAS"
    std::string text; // plain ASCII, every line ending in CR LF
};

// The seven programs, in archive order.
std::vector<ExampleFile> ExampleFiles();

// The zip archive of ExampleFiles().
std::vector<std::uint8_t> BuildExamplesArchive();

} // namespace payload
