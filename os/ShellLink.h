// Saving a Windows shortcut (.lnk) through the system's Shell Link object.
#pragma once

#include <string>

namespace tarnwick::os {

struct ShellLink {
    std::u16string targetPath;
    std::u16string arguments;
    std::u16string workingDirectory;
    std::u16string description;
    int showCommand = 1;
    int hotkey = 0;
    std::u16string iconFile;
    int iconIndex = 0;
};

// Fills a Shell Link object with the fields, in the order target, arguments, working directory,
// description, show command, hotkey, icon, and saves it at linkPath. Returns 1 when the object was
// made and saving was attempted, 0 otherwise; `saved` (when given) tells whether the save succeeded.
// Balances its own COM initialisation on every path.
int SaveShellLink(const ShellLink& link, const std::u16string& linkPath, bool* saved);

} // namespace tarnwick::os
