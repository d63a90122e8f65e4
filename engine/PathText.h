// Reading the user's path texts the way the installation run needs them.
#pragma once

#include <string>

namespace tarnwick {

// The extension of a path, without the dot; empty when it has none. Scanning from the end, a "."
// met before any "\", "/" or blank starts the extension, unless it is the first character or follows
// a separator directly. The extension ends at the first double quotation mark after the dot.
std::u16string PathExtension(const std::u16string& path);

// The destination as the run holds it: the trailing run of backslashes removed, then exactly one added.
std::u16string FormDestination(const std::u16string& destinationText);

// The folder part of a path: up to and including its last "\" or "/"; empty when it has neither.
std::u16string PathFolder(const std::u16string& path);

// The path enclosed in double quotation marks when it contains a blank, as it stands otherwise.
std::u16string QuoteIfBlank(const std::u16string& path);

} // namespace tarnwick
