// Opening a file that the engine writes whole: the temporary archive and the configuration files.
#pragma once

#include "os/Os.h"

#include <string>

namespace tarnwick {

// A new empty file, or an existing one emptied, with no sharing; when that is refused, one more try
// that opens an existing file for writing only and truncates it.
os::OutputFile CreateForWriting(const std::u16string& path);

} // namespace tarnwick
