// payloadgen: writes the payload that the installer embeds, as stand-ins made from scratch.
//
//   payloadgen <outdir>
//
// Writes the package archives qb11_pb.zip, qb45_pb.zip, qbx_pb.zip and vbdos_pb.zip, the examples
// archive examples.zip and the pictures license_badge.png, about.png and donate.png into outdir
// (created when missing). The output depends on nothing but this program: the same bytes on every run.

#include "Artwork.h"
#include "ExamplesArchive.h"
#include "PackageArchive.h"
#include "PackageLayout.h"
#include "PngWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Writes the file under a temporary name first, so that an interrupted run leaves no truncated file
// under the real name.
void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    fs::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            throw std::runtime_error("cannot create " + temporary.string());
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        throw std::runtime_error("cannot rename " + temporary.string() + ": " + error.message());
    }
}

void Report(const std::string& name, std::size_t size, std::size_t target)
{
    double deviation = 100.0 * (static_cast<double>(size) / static_cast<double>(target) - 1.0);
    std::printf("%-18s %9zu bytes  (reference %9zu, %+5.1f%%)\n", name.c_str(), size, target, deviation);
}

void WritePicture(const fs::path& folder, const std::string& name, const payload::Canvas& canvas)
{
    std::vector<std::uint8_t> png = payload::EncodePng(canvas.Width(), canvas.Height(), canvas.Rgba());
    WriteFile(folder / name, png);
    std::printf("%-18s %9zu bytes  (%d x %d)\n", name.c_str(), png.size(), canvas.Width(), canvas.Height());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: payloadgen <outdir>\n");
        return 2;
    }
    try {
        fs::path folder = argv[1];
        std::error_code error;
        fs::create_directories(folder, error);
        if (error) {
            throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
        }

        for (const payload::ArchivePlan& plan : payload::PackageArchivePlans()) {
            std::vector<std::uint8_t> archive = payload::BuildPackageArchive(plan);
            WriteFile(folder / plan.fileName, archive);
            Report(plan.fileName, archive.size(), plan.packedTarget);
        }
        std::vector<std::uint8_t> examples = payload::BuildExamplesArchive();
        WriteFile(folder / "examples.zip", examples);
        Report("examples.zip", examples.size(), 54153);

        WritePicture(folder, "license_badge.png", payload::DrawLicenseBadge());
        WritePicture(folder, "about.png", payload::DrawAboutPicture());
        WritePicture(folder, "donate.png", payload::DrawDonateButton());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "payloadgen: %s\n", failure.what());
        return 1;
    }
    return 0;
}
