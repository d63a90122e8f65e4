#include "engine/InstallationRun.h"

#include "engine/CreateShortcut.h"
#include "engine/DosboxConfig.h"
#include "engine/ExtractPackage.h"
#include "engine/PathText.h"
#include "os/Os.h"

#include <string>
#include <vector>

namespace tarnwick {
namespace {

constexpr unsigned MessageBoxOk = 0;    // MB_OK
constexpr unsigned MessageBoxYesNo = 4; // MB_YESNO
constexpr int AnswerYes = 6;            // IDYES
const std::u16string ExamplesKey = u"examples.zip";

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// What went wrong during one run, in words for the final prompt. A run that reports success must have
// written everything it was asked to.
class Shortfalls {
public:
    void NoteExtraction(const std::u16string& what, const ExtractionReport& report)
    {
        if (report.entriesFailed == 1)
            lines.push_back(what + u": 1 file could not be unpacked");
        else if (report.entriesFailed > 1)
            lines.push_back(what + u": " + Number(report.entriesFailed) + u" files could not be unpacked");
        if (report.walkCut)
            lines.push_back(what + u": the archive is damaged, files after the damage are missing");
    }
    void Note(const std::u16string& line) { lines.push_back(line); }
    bool Any() const { return !lines.empty(); }
    std::u16string Text() const
    {
        std::u16string text = u"Not everything could be installed:\n";
        for (const std::u16string& line : lines)
            text += u"\n" + line;
        return text + u"\n\nQuit Program now?";
    }

private:
    std::vector<std::u16string> lines;
};

bool IsValidDosboxPath(const std::u16string& dosboxPath)
{
    return os::LowerCase(PathExtension(dosboxPath)) == u"exe" && os::PathSize(dosboxPath) >= 0;
}

} // namespace

void RunInstallation(PackageCatalogue& catalogue, InstallationHost& host)
{
    const std::u16string dosboxPath = host.DosboxPath();
    if (!IsValidDosboxPath(dosboxPath)) {
        host.ShowMessageBox(u"Invalid File", u"No Executable File selected", MessageBoxOk);
        host.FocusDosboxPathField();
        return;
    }
    const std::u16string destination = FormDestination(host.DestinationText());
    if (os::PathSize(destination) != -2) {
        host.ShowMessageBox(u"Invalid Path", u"No Folder selected", MessageBoxOk);
        host.FocusDestinationField();
        return;
    }

    Shortfalls shortfalls;
    int installed = 0;
    catalogue.ResetIteration();
    while (catalogue.NextPackage()) {
        if (catalogue.CurrentPackage().selected != 1 || catalogue.CurrentKey() == ExamplesKey)
            continue;
        ExtractionReport report;
        ExtractPackage(catalogue, destination, host, &report);
        shortfalls.NoteExtraction(catalogue.CurrentPackage().folderName, report);
        ++installed;
    }
    if (installed == 0) {
        host.ShowMessageBox(u"Nothing to install", u"Please select at least one Installation Package", MessageBoxOk);
        return;
    }

    // Folders that exist already are fine; a folder that cannot be made shows up below as the files
    // that could not be written into it.
    for (const char16_t* folder : {u"_config\\", u"_shorcut\\", u"_source\\", u"_floppy\\"})
        os::CreateSingleFolder(destination + folder);

    const InstallPackage* examples = catalogue.FindPackage(ExamplesKey);
    if (examples && examples->selected == 1) {
        ExtractionReport report;
        ExtractPackage(catalogue, destination + u"_source\\", host, &report);
        shortfalls.NoteExtraction(u"examples", report);
    }

    catalogue.ResetIteration();
    while (catalogue.NextPackage()) {
        const InstallPackage& package = catalogue.CurrentPackage();
        if (package.selected != 1 || catalogue.CurrentKey() == ExamplesKey)
            continue;
        if (!WriteDosboxConfig(destination, package, host.FullscreenMode(), host.ShutDownOnExit()))
            shortfalls.Note(u"configuration file " + package.folderName + u".conf could not be written");
        // DOSBox reads -conf up to the next blank unless the path is quoted.
        const std::u16string arguments = u" -noconsole -conf " + QuoteIfBlank(DosboxConfigPath(destination, package));
        bool saved = false;
        CreateShortcut(dosboxPath, destination + u"_shorcut\\" + package.folderName + u".lnk", u"", arguments, 1, u"",
                       0, u"|", 0, &saved);
        if (!saved)
            shortfalls.Note(u"shortcut " + package.folderName + u".lnk could not be saved");
    }

    const int answer = shortfalls.Any()
                           ? host.AskCentered(u"Installation incomplete", shortfalls.Text(), MessageBoxYesNo)
                           : host.AskCentered(u"Installation complete!", u"Quit Program now?", MessageBoxYesNo);
    if (answer == AnswerYes)
        host.EndProgram();
}

} // namespace tarnwick
