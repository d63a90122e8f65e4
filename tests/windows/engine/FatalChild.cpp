// Child process for the fatal-extraction tests: unpacks one archive into the folder given on the
// command line with a host that shows real message boxes and ends the process as the program does.
// Usage: fatal-child <target-folder-with-trailing-backslash> valid|garbage
#include "engine/ExtractPackage.h"
#include "payload/Payload.h"

#include <windows.h>

#include <string>

namespace {

class Win32Ui : public tarnwick::UserInterface {
public:
    int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        return MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                           reinterpret_cast<const wchar_t*>(title.c_str()), flags);
    }
    [[noreturn]] void EndProgram() override { ExitProcess(0); }
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    static const unsigned char garbage[4096] = {'n', 'o', 't', ' ', 'a', ' ', 'z', 'i', 'p'};
    tarnwick::PackageCatalogue catalogue;
    tarnwick::InstallPackage& package = catalogue.AddPackage(u"qb45_pb.zip");
    if (std::wstring(argv[2]) == L"garbage") {
        package.archiveData = garbage;
        package.archiveSize = sizeof garbage;
    } else {
        const tarnwick::payload::Block block = tarnwick::payload::Qb45Archive();
        package.archiveData = block.data;
        package.archiveSize = block.size;
    }
    Win32Ui ui;
    tarnwick::ExtractPackage(catalogue, reinterpret_cast<const char16_t*>(argv[1]), ui);
    return 3; // only reached when extraction was not fatal
}
