#include "engine/PathText.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(PathText, ExtensionIsFoundScanningBackwards)
{
    const struct {
        const char16_t* path;
        const char16_t* extension;
    } cases[] = {
        {u"C:\\DOSBox\\DOSBox.exe", u"exe"},
        {u"C:\\DOSBox\\DOSBox.EXE", u"EXE"},
        {u"dosbox.Exe", u"Exe"},
        {u"C:\\DOSBox\\DOSBox.exe ", u""},        // a blank after the extension
        {u"C:\\DOSBox\\DOSBox.exe\\", u""},       // a trailing backslash
        {u"C:\\Program Files\\DOSBox", u""},      // the blank comes first
        {u"C:\\my.dir\\dosbox", u""},             // the dot lies in a folder name
        {u"C:\\DOSBox\\.exe", u""},               // the dot follows a separator
        {u".exe", u""},                           // the dot is the first character
        {u"C:/DOSBox/DOSBox.exe", u"exe"},
        {u"C:\\DOSBox\\DOSBox.exe\"", u"exe"},    // ends at a quotation mark
        {u"\"C:\\DOSBox\\DOSBox.exe\" -x", u""},
        {u"archive.tar.gz", u"gz"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathExtension(c.path), c.extension) << std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path));
}

TEST(PathText, DestinationEndsInExactlyOneBackslash)
{
    const struct {
        const char16_t* text;
        const char16_t* destination;
    } cases[] = {
        {u"C:\\DOSBASIC", u"C:\\DOSBASIC\\"}, {u"C:\\DOSBASIC\\", u"C:\\DOSBASIC\\"},
        {u"C:\\DOSBASIC\\\\\\", u"C:\\DOSBASIC\\"}, {u"C:", u"C:\\"}, {u"", u"\\"},
        {u"C:\\My Folder ", u"C:\\My Folder \\"},  // nothing but backslashes is trimmed
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormDestination(c.text), c.destination);
}

TEST(PathText, FolderPartAndQuoting)
{
    EXPECT_EQ(PathFolder(u"C:\\DOSBox\\DOSBox.exe"), u"C:\\DOSBox\\");
    EXPECT_EQ(PathFolder(u"C:/DOSBox/DOSBox.exe"), u"C:/DOSBox/");
    EXPECT_EQ(PathFolder(u"DOSBox.exe"), u"");
    EXPECT_EQ(QuoteIfBlank(u"C:\\DOSBASIC\\qb45"), u"C:\\DOSBASIC\\qb45");
    EXPECT_EQ(QuoteIfBlank(u"C:\\My Folder\\qb45"), u"\"C:\\My Folder\\qb45\"");
}

} // namespace
} // namespace tarnwick
