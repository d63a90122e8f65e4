#include "engine/DosboxConfig.h"

#include "base/Utf.h"
#include "engine/CreateForWriting.h"
#include "engine/PathText.h"

namespace tarnwick {

std::u16string DosboxConfigPath(const std::u16string& destination, const InstallPackage& package)
{
    return destination + u"_config\\" + package.folderName + u".conf";
}

std::string DosboxConfigText(const std::u16string& destination, const InstallPackage& package, bool fullscreenMode,
                             bool shutDownOnExit)
{
    std::u16string text;
    const auto line = [&text](const std::u16string& content) { text += content + u"\r\n"; };
    if (fullscreenMode) {
        line(u"[sdl]");
        line(u"fullscreen=true");
    }
    line(u"[autoexec]");
    // DOSBox splits its command line at blanks: a folder with a blank in its path is only mounted
    // when the path is quoted.
    line(u"MOUNT A " + QuoteIfBlank(destination + u"_floppy") + u"  -t floppy");
    line(u"MOUNT C " + QuoteIfBlank(destination + package.folderName));
    line(u"MOUNT D " + QuoteIfBlank(destination + u"_source"));
    line(u"C:");
    if (!package.startDirectory.empty())
        line(u"CD " + package.startDirectory);
    line(package.launchCommand);
    if (shutDownOnExit)
        line(u"EXIT");
    return Utf16ToUtf8(text);
}

bool WriteDosboxConfig(const std::u16string& destination, const InstallPackage& package, bool fullscreenMode,
                       bool shutDownOnExit)
{
    os::OutputFile file = CreateForWriting(DosboxConfigPath(destination, package));
    if (!file)
        return false;
    const std::string text = DosboxConfigText(destination, package, fullscreenMode, shutDownOnExit);
    const bool written = file.Write(text.data(), text.size());
    return file.Close() && written;
}

} // namespace tarnwick
