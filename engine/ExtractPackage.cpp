#include "engine/ExtractPackage.h"

#include "engine/CreateForWriting.h"
#include "engine/EntryPath.h"
#include "engine/ZipReader.h"
#include "os/Os.h"

#include <cstdlib>
#include <vector>

namespace tarnwick {
namespace {

// The one place where a failure to reach the archive turns into what the user sees: the box, the
// temporary file removed, and the end of the program.
[[noreturn]] void FailFatally(UserInterface& ui, const char16_t* title, const std::u16string& archivePath)
{
    ui.ShowMessageBox(title, u"Installation failed", 0);
    os::RemoveFile(archivePath);
    ui.EndProgram();
    std::abort(); // EndProgram never returns; a host whose EndProgram did would be a programming error
}

} // namespace

int ExtractPackage(PackageCatalogue& catalogue, const std::u16string& targetFolder, UserInterface& ui,
                   ExtractionReport* report)
{
    ExtractionReport local;
    ExtractionReport& tally = report ? *report : local;

    const InstallPackage& package = catalogue.CurrentPackage();
    const std::u16string archivePath = targetFolder + catalogue.CurrentKey();

    {
        os::OutputFile file = CreateForWriting(archivePath);
        if (!file)
            FailFatally(ui, u"Zip-File Error!", archivePath);
        // One write straight from the payload. A short write (a full disk) shows up when the archive
        // is opened, or as damaged entries.
        file.Write(package.archiveData, static_cast<std::size_t>(package.archiveSize));
    }

    ZipReader reader;
    if (!reader.Open(archivePath))
        FailFatally(ui, u"Decompression Error!", archivePath);

    std::vector<unsigned char> buffer(ZipReader::PieceSize);
    while (reader.NextEntry()) {
        const std::u16string name = reader.EntryName();
        if (!IsSafeEntryName(name)) {
            ++tally.entriesFailed;
            continue;
        }
        const std::u16string target = targetFolder + name;
        if (reader.UnpackEntryTo(target, buffer) != -1)
            continue;
        // Folders are made only when the first attempt failed: the first entry of each new folder
        // comes here, later entries of the same folder succeed at once.
        for (const std::u16string& prefix : FolderPrefixes(name))
            os::CreateSingleFolder(targetFolder + prefix);
        // A folder entry fails both attempts by design; what it asks for is that its folders exist.
        if (reader.UnpackEntryTo(target, buffer) == -1 && !reader.EntryIsFolder())
            ++tally.entriesFailed;
    }
    if (!reader.WalkComplete())
        tally.walkCut = true;
    reader.Close();

    os::RemoveFile(archivePath);
    return 0;
}

} // namespace tarnwick
