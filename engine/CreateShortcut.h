// The Windows shortcut that starts DOSBox with a package's configuration file.
#pragma once

#include <string>

namespace tarnwick {

// Saves a shortcut. An iconFile of exactly "|" stands for targetPath; an empty workingDirectory
// stands for the folder part of targetPath, trailing backslash included. Returns 1 when saving was
// attempted, 0 when the Shell Link object could not be made; `saved` tells whether the file was written.
int CreateShortcut(const std::u16string& targetPath, const std::u16string& linkPath,
                   const std::u16string& workingDirectory, const std::u16string& arguments, int showCommand,
                   const std::u16string& description, int hotkey, const std::u16string& iconFile, int iconIndex,
                   bool* saved = nullptr);

} // namespace tarnwick
