#include "engine/InstallationRun.h"

#include "TestHost.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick {
namespace {

using namespace tarnwick::testing;
namespace fs = std::filesystem;

// Plays the main window: the two fields, the two options, the focus moves and the final prompt.
class ScriptedHost : public InstallationHost {
public:
    std::u16string dosboxPath;
    std::u16string destinationText;
    bool fullscreen = false;
    bool shutDown = false;
    int answer = 7; // IDNO
    std::vector<std::u16string> events;

    std::u16string DosboxPath() override { return dosboxPath; }
    std::u16string DestinationText() override { return destinationText; }
    bool FullscreenMode() override { return fullscreen; }
    bool ShutDownOnExit() override { return shutDown; }
    void FocusDosboxPathField() override { events.push_back(u"focus dosbox"); }
    void FocusDestinationField() override { events.push_back(u"focus destination"); }
    int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        events.push_back(u"box " + title + u": " + text + (flags == 0 ? u"" : u" (flags)"));
        return 1;
    }
    int AskCentered(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        events.push_back(u"ask " + title + u": " + text + (flags == 4 ? u"" : u" (flags)"));
        return answer;
    }
    [[noreturn]] void EndProgram() override
    {
        events.push_back(u"end");
        throw ProgramEnded {};
    }
};

const std::u16string Done = u"ask Installation complete!: Quit Program now?";

struct Installation {
    ScratchFolder scratch;
    fs::path destination = scratch.Path() / "dest";
    PackageCatalogue catalogue = BuildPackageCatalogue();
    ScriptedHost host;

    Installation()
    {
        fs::create_directory(destination);
        WriteFile(scratch.Path() / "DOSBox.exe", "MZ");
        host.dosboxPath = ToU16((scratch.Path() / "DOSBox.exe").string());
        host.destinationText = ToU16(destination.string());
    }
    void Select(const char16_t* key, int selected) { catalogue.FindPackage(key)->selected = selected; }
    void Run() { RunInstallation(catalogue, host); }
    std::set<std::string> TopLevel() const
    {
        std::set<std::string> names;
        for (const auto& item : fs::directory_iterator(destination))
            names.insert(item.path().filename().string() + (item.is_directory() ? "/" : ""));
        return names;
    }
};

TEST(InstallationRun, QuickBasic45AloneLeavesExactlyItsTree)
{
    Installation run;
    run.Run();
    EXPECT_EQ(run.host.events, std::vector<std::u16string> {Done});
    EXPECT_EQ(run.TopLevel(), (std::set<std::string> {"qb45/", "_config/", "_shorcut/", "_source/", "_floppy/"}));
    EXPECT_EQ(FilesBelow(run.destination / "_config"), std::vector<std::string> {"qb45.conf"});
    EXPECT_EQ(FilesBelow(run.destination / "_shorcut"), std::vector<std::string> {"qb45.lnk"});
    EXPECT_TRUE(fs::is_empty(run.destination / "_source"));
    EXPECT_TRUE(fs::is_empty(run.destination / "_floppy"));
    EXPECT_EQ(FilesBelow(run.destination / "qb45").size(), 70u);

    const std::string destination = run.destination.string() + "\\";
    EXPECT_EQ(ReadFile(run.destination / "_config/qb45.conf"),
              "[autoexec]\r\nMOUNT A " + destination + "_floppy  -t floppy\r\nMOUNT C " + destination +
                  "qb45\r\nMOUNT D " + destination + "_source\r\nC:\r\nQB\r\n");
    const std::string dosbox = (run.scratch.Path() / "DOSBox.exe").string();
    EXPECT_EQ(ReadFile(run.destination / "_shorcut/qb45.lnk"),
              "target=" + dosbox + "\narguments= -noconsole -conf " + destination + "_config\\qb45.conf\n" +
                  "workingDirectory=" + run.scratch.Path().string() + "/\ndescription=\nshowCommand=1\nhotkey=0\n" +
                  "iconFile=" + dosbox + "\niconIndex=0\n");
}

TEST(InstallationRun, EverythingTickedThenASecondRunReplacesAndKeeps)
{
    Installation run;
    for (const char16_t* key : {u"qb11_pb.zip", u"qbx_pb.zip", u"vbdos_pb.zip", u"examples.zip"})
        run.Select(key, 1);
    run.host.fullscreen = true;
    run.host.shutDown = true;
    run.Run();
    EXPECT_EQ(run.host.events, std::vector<std::u16string> {Done});
    EXPECT_EQ(run.TopLevel(), (std::set<std::string> {"qb11/", "qb45/", "qbx/", "vbdos/", "_config/", "_shorcut/",
                                                      "_source/", "_floppy/"}));
    EXPECT_EQ(FilesBelow(run.destination / "_config"),
              (std::vector<std::string> {"qb11.conf", "qb45.conf", "qbx.conf", "vbdos.conf"}));
    EXPECT_EQ(FilesBelow(run.destination / "_shorcut"),
              (std::vector<std::string> {"qb11.lnk", "qb45.lnk", "qbx.lnk", "vbdos.lnk"}));
    const std::vector<std::string> examples = FilesBelow(run.destination / "_source");
    EXPECT_EQ(examples.size(), 7u);
    for (const std::string& name : examples)
        EXPECT_EQ(name.rfind("EXAMPLES/", 0), 0u) << name;
    EXPECT_EQ(ReadFile(run.destination / "_config/vbdos.conf").rfind("[sdl]\r\nfullscreen=true\r\n", 0), 0u);

    // Second run with only QBASIC 1.1 and no options: its files are replaced, the rest stays.
    for (const char16_t* key : {u"qb45_pb.zip", u"qbx_pb.zip", u"vbdos_pb.zip", u"examples.zip"})
        run.Select(key, 0);
    run.host.fullscreen = false;
    WriteFile(run.destination / "qb11/QBASIC.EXE", "changed");
    const std::string qbxConfig = ReadFile(run.destination / "_config/qbx.conf");
    run.Run();
    EXPECT_NE(ReadFile(run.destination / "qb11/QBASIC.EXE"), "changed");
    EXPECT_EQ(ReadFile(run.destination / "_config/qb11.conf").rfind("[autoexec]", 0), 0u);
    EXPECT_EQ(ReadFile(run.destination / "_config/qbx.conf"), qbxConfig);
    EXPECT_EQ(FilesBelow(run.destination / "_source").size(), 7u);
}

TEST(InstallationRun, InvalidInputsAreReportedAndNothingIsWritten)
{
    const std::u16string invalidFile = u"box Invalid File: No Executable File selected";
    const std::u16string invalidPath = u"box Invalid Path: No Folder selected";
    const struct {
        const char* dosbox;      // relative to the scratch folder; "*" = the real DOSBox.exe
        const char* destination; // relative to the scratch folder; "*" = the real destination
        std::u16string box;
        std::u16string focus;
    } cases[] = {
        {"missing.exe", "*", invalidFile, u"focus dosbox"},
        {"dosbox.exe", "*", invalidFile, u"focus dosbox"},       // a folder named like an executable
        {"notes.txt", "*", invalidFile, u"focus dosbox"},
        {"DOSBox.exe ", "*", invalidFile, u"focus dosbox"},      // a blank after the extension
        {"", "*", invalidFile, u"focus dosbox"},
        {"DOSBOX.EXE", "*", u"", u""},                           // the extension in any case
        {"*", "missing", invalidPath, u"focus destination"},
        {"*", "notes.txt", invalidPath, u"focus destination"},   // a file, not a folder
        {"*", "", invalidPath, u"focus destination"},            // the empty field gives "\"
    };
    for (const auto& c : cases) {
        Installation run;
        fs::create_directory(run.scratch.Path() / "dosbox.exe");
        WriteFile(run.scratch.Path() / "notes.txt", "text");
        WriteFile(run.scratch.Path() / "DOSBOX.EXE", "MZ");
        const std::string prefix = run.scratch.Path().string() + "/";
        if (std::string(c.dosbox) != "*")
            run.host.dosboxPath = std::string(c.dosbox).empty() ? u"" : ToU16(prefix + c.dosbox);
        if (std::string(c.destination) != "*")
            run.host.destinationText = std::string(c.destination).empty() ? u"" : ToU16(prefix + c.destination);
        run.Run();
        if (c.box.empty()) {
            EXPECT_EQ(run.host.events, std::vector<std::u16string> {Done}) << c.dosbox;
        } else {
            EXPECT_EQ(run.host.events, (std::vector<std::u16string> {c.box, c.focus})) << c.dosbox << " " << c.destination;
            EXPECT_TRUE(fs::is_empty(run.destination));
        }
    }
}

TEST(InstallationRun, TheExamplesAloneAreNothingToInstall)
{
    Installation run;
    run.Select(u"qb45_pb.zip", 0);
    run.Select(u"examples.zip", 1);
    run.Run();
    EXPECT_EQ(run.host.events,
              std::vector<std::u16string> {u"box Nothing to install: Please select at least one Installation Package"});
    EXPECT_TRUE(fs::is_empty(run.destination));

    // The path checks come first.
    run.host.dosboxPath = u"";
    run.Run();
    EXPECT_EQ(run.host.events.back(), u"focus dosbox");
}

TEST(InstallationRun, YesEndsTheProgram)
{
    Installation run;
    run.host.answer = 6;
    EXPECT_THROW(run.Run(), ProgramEnded);
    EXPECT_EQ(run.host.events, (std::vector<std::u16string> {Done, u"end"}));
}

TEST(InstallationRun, SourceFileInTheWayEndsWithZipFileErrorBeforeAnyConfiguration)
{
    Installation run;
    run.Select(u"examples.zip", 1);
    WriteFile(run.destination / "_source", "a file, not a folder");
    EXPECT_THROW(run.Run(), ProgramEnded);
    EXPECT_EQ(run.host.events,
              (std::vector<std::u16string> {u"box Zip-File Error!: Installation failed", u"end"}));
    EXPECT_TRUE(fs::is_directory(run.destination / "qb45"));
    EXPECT_TRUE(fs::is_empty(run.destination / "_config"));
    EXPECT_TRUE(fs::is_empty(run.destination / "_shorcut"));
}

TEST(InstallationRun, WhatCouldNotBeWrittenIsReportedInsteadOfSuccess)
{
    Installation run;
    fs::create_directory(run.destination / "_config");
    WriteFile(run.destination / "_config/qb45.conf", "old");
    Unreplaceable locked(run.destination / "_config/qb45.conf");
    WriteFile(run.destination / "_shorcut", "a file where the shortcut folder belongs");
    run.Run();
    ASSERT_EQ(run.host.events.size(), 1u);
    EXPECT_EQ(run.host.events[0],
              u"ask Installation incomplete: Not everything could be installed:\n\n"
              u"configuration file qb45.conf could not be written\nshortcut qb45.lnk could not be saved\n\n"
              u"Quit Program now?");
    EXPECT_EQ(ReadFile(run.destination / "_config/qb45.conf"), "old");
}

TEST(InstallationRun, BlankInTheDestinationIsQuotedInTheShortcut)
{
    Installation run;
    run.destination = run.scratch.Path() / "My Basic";
    fs::create_directory(run.destination);
    run.host.destinationText = ToU16(run.destination.string() + "\\\\");
    run.Run();
    const std::string link = ReadFile(run.destination / "_shorcut/qb45.lnk");
    EXPECT_NE(link.find("arguments= -noconsole -conf \"" + run.destination.string() + "\\_config\\qb45.conf\"\n"),
              std::string::npos)
        << link;
}

} // namespace
} // namespace tarnwick
