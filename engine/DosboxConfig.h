// The DOSBox configuration file of one installed package.
#pragma once

#include "engine/InstallPackage.h"

#include <string>

namespace tarnwick {

// The file's text: UTF-8 without byte-order mark, every line ending in CR LF.
std::string DosboxConfigText(const std::u16string& destination, const InstallPackage& package, bool fullscreenMode,
                             bool shutDownOnExit);

// destination + "_config\" + folderName + ".conf"
std::u16string DosboxConfigPath(const std::u16string& destination, const InstallPackage& package);

// Writes the file, replacing an existing one. False when it could not be created or fully written;
// nothing is reported to the user from here.
bool WriteDosboxConfig(const std::u16string& destination, const InstallPackage& package, bool fullscreenMode,
                       bool shutDownOnExit);

} // namespace tarnwick
