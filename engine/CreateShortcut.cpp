#include "engine/CreateShortcut.h"

#include "engine/PathText.h"
#include "os/ShellLink.h"

namespace tarnwick {

int CreateShortcut(const std::u16string& targetPath, const std::u16string& linkPath,
                   const std::u16string& workingDirectory, const std::u16string& arguments, int showCommand,
                   const std::u16string& description, int hotkey, const std::u16string& iconFile, int iconIndex,
                   bool* saved)
{
    os::ShellLink link;
    link.targetPath = targetPath;
    link.arguments = arguments;
    link.workingDirectory = workingDirectory.empty() ? PathFolder(targetPath) : workingDirectory;
    link.description = description;
    link.showCommand = showCommand;
    link.hotkey = hotkey;
    link.iconFile = iconFile == u"|" ? targetPath : iconFile;
    link.iconIndex = iconIndex;
    return os::SaveShellLink(link, linkPath, saved);
}

} // namespace tarnwick
