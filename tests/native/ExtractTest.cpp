#include "engine/ExtractPackage.h"

#include "TestHost.h"
#include "ZipFixture.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tarnwick {
namespace {

using namespace tarnwick::testing;
namespace fs = std::filesystem;

// The entries of an archive in memory, read with libarchive on its own: name (with "/") to content.
std::map<std::string, std::string> ReadArchive(const InstallPackage& package)
{
    std::map<std::string, std::string> entries;
    archive* reader = archive_read_new();
    archive_read_support_format_zip(reader);
    EXPECT_EQ(archive_read_open_memory(reader, package.archiveData, package.archiveSize), ARCHIVE_OK);
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
        std::string name = archive_entry_pathname(entry);
        std::replace(name.begin(), name.end(), '\\', '/');
        std::string content(static_cast<std::size_t>(archive_entry_size(entry)), '\0');
        EXPECT_EQ(archive_read_data(reader, content.data(), content.size()), static_cast<la_ssize_t>(content.size()));
        entries[name] = content;
    }
    archive_read_free(reader);
    return entries;
}

// A catalogue holding one archive made by the test.
struct OneArchive {
    std::vector<std::uint8_t> bytes;
    PackageCatalogue catalogue;

    explicit OneArchive(std::vector<std::uint8_t> zip, const std::u16string& key = u"test.zip") : bytes(std::move(zip))
    {
        InstallPackage& package = catalogue.AddPackage(key);
        package.archiveData = bytes.data();
        package.archiveSize = static_cast<std::int32_t>(bytes.size());
    }
};

class StandIn : public ::testing::TestWithParam<const char16_t*> {};

TEST_P(StandIn, UnpacksEveryEntryAndLeavesNoTemporaryArchive)
{
    PackageCatalogue catalogue = BuildPackageCatalogue();
    const InstallPackage& package = *catalogue.FindPackage(GetParam());
    const auto expected = ReadArchive(package);
    ASSERT_FALSE(expected.empty());

    ScratchFolder folder;
    RecordingUi ui;
    ExtractionReport report;
    EXPECT_EQ(ExtractPackage(catalogue, folder.Target(), ui, &report), 0);

    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(report.entriesFailed, 0);
    EXPECT_FALSE(report.walkCut);
    std::vector<std::string> names;
    for (const auto& [name, content] : expected) {
        names.push_back(name);
        EXPECT_EQ(ReadFile(folder.Path() / name), content) << name;
    }
    EXPECT_EQ(FilesBelow(folder.Path()), names); // nothing else, the temporary archive included

    // A second run into the same folder replaces every file; nothing needs creating any more.
    WriteFile(folder.Path() / names.front(), "changed");
    catalogue.FindPackage(GetParam());
    ExtractPackage(catalogue, folder.Target(), ui, &report);
    EXPECT_EQ(ReadFile(folder.Path() / names.front()), expected.at(names.front()));
    EXPECT_EQ(FilesBelow(folder.Path()), names);
}

INSTANTIATE_TEST_SUITE_P(Payload, StandIn,
                         ::testing::Values(u"qb11_pb.zip", u"qb45_pb.zip", u"qbx_pb.zip", u"vbdos_pb.zip",
                                           u"examples.zip"));

TEST(ExtractPackage, Qb45LandsInItsSixFolders)
{
    PackageCatalogue catalogue = BuildPackageCatalogue();
    catalogue.FindPackage(u"qb45_pb.zip");
    ScratchFolder folder;
    RecordingUi ui;
    ExtractPackage(catalogue, folder.Target(), ui);
    std::vector<std::string> folders;
    for (const auto& item : fs::recursive_directory_iterator(folder.Path()))
        if (item.is_directory())
            folders.push_back(fs::relative(item.path(), folder.Path()).generic_string());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string> {"qb45", "qb45/HLP", "qb45/INC", "qb45/INC/ADVR_EX",
                                                  "qb45/INC/EXAMPLES", "qb45/LIB"}));
    EXPECT_EQ(FilesBelow(folder.Path()).size(), 70u);
}

TEST(ExtractPackage, NestedFoldersAreMadeForBothHostKinds)
{
    // The zip reader turns backslashes into slashes for entries made on MS-DOS, and keeps them for
    // entries made on Unix; folders must be made either way.
    for (Host host : {Host::MsDos, Host::Unix}) {
        OneArchive archive(MakeZip({{"pkg\\A\\B\\DEEP.TXT", "deep", host},
                                    {"pkg\\A\\B\\NEXT.TXT", "next", host},
                                    {"pkg\\TOP.TXT", "top", host}}));
        ScratchFolder folder;
        RecordingUi ui;
        ExtractionReport report;
        ExtractPackage(archive.catalogue, folder.Target(), ui, &report);
        EXPECT_EQ(report.entriesFailed, 0);
        EXPECT_EQ(FilesBelow(folder.Path()),
                  (std::vector<std::string> {"pkg/A/B/DEEP.TXT", "pkg/A/B/NEXT.TXT", "pkg/TOP.TXT"}));
        EXPECT_EQ(ReadFile(folder.Path() / "pkg/A/B/DEEP.TXT"), "deep");
    }
}

TEST(ExtractPackage, DamagedDataLeavesNoFileAndTheWalkGoesOn)
{
    std::vector<std::uint8_t> zip = MakeZip({{"pkg\\GOOD1.TXT", std::string(5000, 'a')},
                                             {"pkg\\BAD.TXT", std::string(70000, 'b')},
                                             {"pkg\\GOOD2.TXT", "fine"}});
    CorruptCrc(zip, 1);
    OneArchive archive(zip);
    ScratchFolder folder;
    RecordingUi ui;
    ExtractionReport report;
    ExtractPackage(archive.catalogue, folder.Target(), ui, &report);
    EXPECT_EQ(FilesBelow(folder.Path()), (std::vector<std::string> {"pkg/GOOD1.TXT", "pkg/GOOD2.TXT"}));
    EXPECT_EQ(report.entriesFailed, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ExtractPackage, DamagedHeaderEndsTheWalkKeepingEarlierEntries)
{
    std::vector<std::uint8_t> zip =
        MakeZip({{"pkg\\ONE.TXT", "1"}, {"pkg\\TWO.TXT", "2"}, {"pkg\\THREE.TXT", "3"}});
    BreakLocalHeader(zip, 1);
    OneArchive archive(zip);
    ScratchFolder folder;
    RecordingUi ui;
    ExtractionReport report;
    EXPECT_EQ(ExtractPackage(archive.catalogue, folder.Target(), ui, &report), 0);
    EXPECT_EQ(FilesBelow(folder.Path()), (std::vector<std::string> {"pkg/ONE.TXT"}));
    EXPECT_TRUE(report.walkCut);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ExtractPackage, FolderAndTopLevelEntries)
{
    OneArchive archive(MakeZip({{"pkg\\EMPTY\\", ""}, {"README.TXT", "top"}, {"pkg\\EMPTY2/", "", Host::Unix}}));
    ScratchFolder folder;
    RecordingUi ui;
    ExtractionReport report;
    ExtractPackage(archive.catalogue, folder.Target(), ui, &report);
    EXPECT_TRUE(fs::is_directory(folder.Path() / "pkg/EMPTY"));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "pkg/EMPTY2"));
    EXPECT_EQ(ReadFile(folder.Path() / "README.TXT"), "top");
    EXPECT_EQ(report.entriesFailed, 0);
}

TEST(ExtractPackage, NamesThatLeaveTheTargetAreSkipped)
{
    ScratchFolder outer;
    fs::create_directory(outer.Path() / "target");
    const std::u16string target = ToU16((outer.Path() / "target").string()) + u"\\";
    const std::string absolute = (outer.Path() / "ABS.TXT").string();
    OneArchive archive(MakeZip({{"..\\UP.TXT", "x"},
                                {"pkg\\..\\..\\UP2.TXT", "x"},
                                {"../UP3.TXT", "x", Host::Unix},
                                {absolute, "x", Host::Unix},
                                {"\\ROOT.TXT", "x"},
                                {"C:\\DRIVE.TXT", "x"},
                                {"pkg\\OK.TXT", "ok"}}));
    RecordingUi ui;
    ExtractionReport report;
    ExtractPackage(archive.catalogue, target, ui, &report);
    EXPECT_EQ(FilesBelow(outer.Path()), (std::vector<std::string> {"target/pkg/OK.TXT"}));
    EXPECT_EQ(report.entriesFailed, 6);
}

TEST(ExtractPackage, ReadOnlyTargetIsLeftAsItWas)
{
    OneArchive archive(MakeZip({{"pkg\\LOCKED.TXT", "new"}, {"pkg\\FREE.TXT", "new"}}));
    ScratchFolder folder;
    fs::create_directory(folder.Path() / "pkg");
    WriteFile(folder.Path() / "pkg/LOCKED.TXT", "old");
    RecordingUi ui;
    ExtractionReport report;
    {
        Unreplaceable locked(folder.Path() / "pkg/LOCKED.TXT");
        ExtractPackage(archive.catalogue, folder.Target(), ui, &report);
    }
    EXPECT_EQ(ReadFile(folder.Path() / "pkg/LOCKED.TXT"), "old");
    EXPECT_EQ(ReadFile(folder.Path() / "pkg/FREE.TXT"), "new");
    EXPECT_EQ(report.entriesFailed, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ExtractPackage, ExistingTemporaryFileIsOverwrittenThenDeleted)
{
    OneArchive archive(MakeZip({{"pkg\\A.TXT", "a"}}), u"pkg.zip");
    ScratchFolder folder;
    WriteFile(folder.Path() / "pkg.zip", std::string(10 * 1024 * 1024, 'x')); // longer than the archive
    RecordingUi ui;
    ExtractPackage(archive.catalogue, folder.Target(), ui);
    EXPECT_EQ(FilesBelow(folder.Path()), (std::vector<std::string> {"pkg/A.TXT"}));
}

TEST(ExtractPackage, FatalFailuresShowTheirBoxAndEndTheProgram)
{
    // A file in the way of the temporary archive that cannot be replaced.
    {
        OneArchive archive(MakeZip({{"pkg\\A.TXT", "a"}}), u"pkg.zip");
        ScratchFolder folder;
        WriteFile(folder.Path() / "pkg.zip", "in the way");
        RecordingUi ui;
        {
            Unreplaceable locked(folder.Path() / "pkg.zip");
            EXPECT_THROW(ExtractPackage(archive.catalogue, folder.Target(), ui), ProgramEnded);
        }
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, u"Zip-File Error!");
        EXPECT_EQ(ui.boxes[0].text, u"Installation failed");
        EXPECT_EQ(ui.boxes[0].flags, 0u);
        EXPECT_EQ(ReadFile(folder.Path() / "pkg.zip"), "in the way");
        EXPECT_FALSE(fs::exists(folder.Path() / "pkg"));
    }
    // A target folder that does not exist.
    {
        OneArchive archive(MakeZip({{"pkg\\A.TXT", "a"}}), u"pkg.zip");
        ScratchFolder folder;
        RecordingUi ui;
        EXPECT_THROW(ExtractPackage(archive.catalogue, folder.Target() + u"missing\\", ui), ProgramEnded);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, u"Zip-File Error!");
    }
    // Bytes that are no zip archive: the temporary file is deleted after the box.
    {
        const std::string garbage(4096, '\x42');
        OneArchive archive(std::vector<std::uint8_t>(garbage.begin(), garbage.end()), u"pkg.zip");
        ScratchFolder folder;
        RecordingUi ui;
        EXPECT_THROW(ExtractPackage(archive.catalogue, folder.Target(), ui), ProgramEnded);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].title, u"Decompression Error!");
        EXPECT_EQ(ui.boxes[0].text, u"Installation failed");
        EXPECT_TRUE(FilesBelow(folder.Path()).empty());
    }
}

} // namespace
} // namespace tarnwick
