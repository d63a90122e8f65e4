// Native stand-in for the Shell Link object: the link's fields as lines of UTF-8 text, so that
// native tests of the installation run can read back what would go into the shortcut.
#include "os/ShellLink.h"

#include "base/Utf.h"
#include "os/Os.h"

#include <string>

namespace tarnwick::os {
namespace {

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

int SaveShellLink(const ShellLink& link, const std::u16string& linkPath, bool* saved)
{
    std::u16string text;
    const auto field = [&text](const char16_t* key, const std::u16string& value) {
        text += key;
        text += u'=';
        text += value;
        text += u'\n';
    };
    field(u"target", link.targetPath);
    field(u"arguments", link.arguments);
    field(u"workingDirectory", link.workingDirectory);
    field(u"description", link.description);
    field(u"showCommand", Number(link.showCommand));
    field(u"hotkey", Number(link.hotkey));
    field(u"iconFile", link.iconFile);
    field(u"iconIndex", Number(link.iconIndex));
    const std::string bytes = Utf16ToUtf8(text);
    OutputFile file = CreateAlways(linkPath, Sharing::None);
    const bool written = file && file.Write(bytes.data(), bytes.size()) && file.Close();
    if (saved)
        *saved = written;
    return 1;
}

} // namespace tarnwick::os
