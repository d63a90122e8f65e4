// libFuzzer target: arbitrary bytes as the archive, unpacked by the engine into a scratch folder.
// Nothing may crash, and nothing may be written outside the scratch folder.
#include "engine/ExtractPackage.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct Ended {};

class FuzzUi : public tarnwick::UserInterface {
public:
    int ShowMessageBox(const std::u16string&, const std::u16string&, unsigned) override { return 1; }
    [[noreturn]] void EndProgram() override { throw Ended {}; }
};

std::filesystem::path Root()
{
    static const std::filesystem::path root = [] {
        auto path = std::filesystem::temp_directory_path() / ("tarnwick-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return root;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path target = Root() / "target";
    std::error_code ignored;
    std::filesystem::remove_all(Root(), ignored);
    std::filesystem::create_directories(target);

    tarnwick::PackageCatalogue catalogue;
    tarnwick::InstallPackage& package = catalogue.AddPackage(u"fuzz.zip");
    package.archiveData = data;
    package.archiveSize = static_cast<std::int32_t>(size);
    FuzzUi ui;
    const std::string text = target.string() + "/";
    try {
        tarnwick::ExtractPackage(catalogue, std::u16string(text.begin(), text.end()), ui);
    } catch (const Ended&) {
    }
    // Whatever the archive said, nothing may land beside the target folder.
    for (const auto& item : std::filesystem::directory_iterator(Root()))
        if (item.path() != target)
            std::abort();
    return 0;
}
