// Drives whole installations without the main window, through the real Win32 side of the engine.
// Usage: install-host <dosbox-path> <destination-text> <keys|-> <options|-> <yes|no>
//   keys:    comma-separated archive keys to tick, e.g. qb45_pb.zip,examples.zip ("-" for none)
//   options: "f" for Fullscreen Mode, "s" for Shut down DOSBox when exiting, "fs" for both, "-" for none
// Prints one line per thing the run shows or does (boxes, focus moves, the final prompt, the end) and
// ends with exit code 0 like the program; a run that returns prints "returned".
#include "engine/InstallationRun.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text)
        out += c == u'\n' ? '|' : (c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

class HeadlessHost : public tarnwick::InstallationHost {
public:
    std::u16string dosboxPath;
    std::u16string destinationText;
    bool fullscreen = false;
    bool shutDown = false;
    bool answerYes = false;

    std::u16string DosboxPath() override { return dosboxPath; }
    std::u16string DestinationText() override { return destinationText; }
    bool FullscreenMode() override { return fullscreen; }
    bool ShutDownOnExit() override { return shutDown; }
    void FocusDosboxPathField() override { Say("focus dosbox"); }
    void FocusDestinationField() override { Say("focus destination"); }
    int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        Say("box " + Narrow(title) + ": " + Narrow(text) + " flags=" + std::to_string(flags));
        return IDOK;
    }
    int AskCentered(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        Say("ask " + Narrow(title) + ": " + Narrow(text) + " flags=" + std::to_string(flags));
        return answerYes ? IDYES : IDNO;
    }
    [[noreturn]] void EndProgram() override
    {
        Say("end");
        ExitProcess(0);
    }

private:
    static void Say(const std::string& line)
    {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: install-host <dosbox-path> <destination-text> <keys|-> <options|-> <yes|no>\n");
        return 2;
    }
    HeadlessHost host;
    host.dosboxPath = reinterpret_cast<const char16_t*>(argv[1]);
    host.destinationText = reinterpret_cast<const char16_t*>(argv[2]);
    const std::wstring options = argv[4];
    host.fullscreen = options.find(L'f') != std::wstring::npos;
    host.shutDown = options.find(L's') != std::wstring::npos;
    host.answerYes = std::wstring(argv[5]) == L"yes";

    tarnwick::PackageCatalogue catalogue = tarnwick::BuildPackageCatalogue();
    catalogue.FindPackage(u"qb45_pb.zip")->selected = 0;
    std::wstring keys = argv[3];
    if (keys != L"-") {
        keys += L',';
        for (std::size_t start = 0, comma; (comma = keys.find(L',', start)) != std::wstring::npos; start = comma + 1) {
            const std::wstring key = keys.substr(start, comma - start);
            if (tarnwick::InstallPackage* package = catalogue.FindPackage(reinterpret_cast<const char16_t*>(key.c_str())))
                package->selected = 1;
        }
    }
    tarnwick::RunInstallation(catalogue, host);
    std::printf("returned\n");
    return 0;
}
