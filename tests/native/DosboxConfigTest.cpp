#include "engine/DosboxConfig.h"

#include "TestHost.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using namespace tarnwick::testing;

InstallPackage Package(const char16_t* folderName, const char16_t* startDirectory, const char16_t* launchCommand)
{
    InstallPackage package;
    package.folderName = folderName;
    package.startDirectory = startDirectory;
    package.launchCommand = launchCommand;
    return package;
}

TEST(DosboxConfig, TextFollowsTheOptionsByteForByte)
{
    const struct {
        InstallPackage package;
        const char16_t* destination;
        bool fullscreen;
        bool shutDown;
        std::string text;
    } cases[] = {
        {Package(u"qb45", u"", u"QB"), u"C:\\DOSBASIC\\", true, true,
         "[sdl]\r\nfullscreen=true\r\n[autoexec]\r\nMOUNT A C:\\DOSBASIC\\_floppy  -t floppy\r\n"
         "MOUNT C C:\\DOSBASIC\\qb45\r\nMOUNT D C:\\DOSBASIC\\_source\r\nC:\r\nQB\r\nEXIT\r\n"},
        {Package(u"qbx", u"BIN", u"QBX"), u"C:\\DOSBASIC\\", false, false,
         "[autoexec]\r\nMOUNT A C:\\DOSBASIC\\_floppy  -t floppy\r\nMOUNT C C:\\DOSBASIC\\qbx\r\n"
         "MOUNT D C:\\DOSBASIC\\_source\r\nC:\r\nCD BIN\r\nQBX\r\n"},
        {Package(u"qb11", u"", u"QBASIC"), u"D:\\", false, true,
         "[autoexec]\r\nMOUNT A D:\\_floppy  -t floppy\r\nMOUNT C D:\\qb11\r\nMOUNT D D:\\_source\r\nC:\r\nQBASIC\r\nEXIT\r\n"},
        {Package(u"x", u"", u""), u"E:\\", false, false,
         "[autoexec]\r\nMOUNT A E:\\_floppy  -t floppy\r\nMOUNT C E:\\x\r\nMOUNT D E:\\_source\r\nC:\r\n\r\n"},
        // A blank in the destination: the three paths are quoted so that DOSBox mounts them whole.
        {Package(u"vbdos", u"BIN", u"VBDOS"), u"C:\\My Basic\\", false, false,
         "[autoexec]\r\nMOUNT A \"C:\\My Basic\\_floppy\"  -t floppy\r\nMOUNT C \"C:\\My Basic\\vbdos\"\r\n"
         "MOUNT D \"C:\\My Basic\\_source\"\r\nC:\r\nCD BIN\r\nVBDOS\r\n"},
        // Text outside ASCII is written as UTF-8 without a byte-order mark.
        {Package(u"qb45", u"", u"QB"), u"C:\\Grüße\\", false, false,
         "[autoexec]\r\nMOUNT A C:\\Gr\xC3\xBC\xC3\x9F" "e\\_floppy  -t floppy\r\nMOUNT C C:\\Gr\xC3\xBC\xC3\x9F" "e\\qb45\r\n"
         "MOUNT D C:\\Gr\xC3\xBC\xC3\x9F" "e\\_source\r\nC:\r\nQB\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DosboxConfigText(c.destination, c.package, c.fullscreen, c.shutDown), c.text);
    EXPECT_EQ(DosboxConfigText(u"C:\\DOSBASIC\\", cases[0].package, true, true).size(), 145u);
    EXPECT_EQ(DosboxConfigText(u"C:\\DOSBASIC\\", cases[1].package, false, false).size(), 123u);
}

TEST(DosboxConfig, ReplacesAnExistingFileAndFailsWithoutItsFolder)
{
    ScratchFolder folder;
    const InstallPackage package = Package(u"qb45", u"", u"QB");
    EXPECT_FALSE(WriteDosboxConfig(folder.Target(), package, false, false)); // no _config folder yet

    std::filesystem::create_directory(folder.Path() / "_config");
    WriteFile(folder.Path() / "_config/qb45.conf", std::string(1000, 'x'));
    EXPECT_TRUE(WriteDosboxConfig(folder.Target(), package, false, true));
    EXPECT_EQ(ReadFile(folder.Path() / "_config/qb45.conf"),
              DosboxConfigText(folder.Target(), package, false, true));
}

} // namespace
} // namespace tarnwick
