// Times the engine unpacking all five embedded archives into a scratch folder and reports its memory.
// Usage: extract-bench <scratch-folder> [rounds]. Prints key=value lines for scripts/bench.
#include "engine/ExtractPackage.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class BenchUi : public tarnwick::UserInterface {
public:
    int ShowMessageBox(const std::u16string&, const std::u16string&, unsigned) override { return 1; }
    [[noreturn]] void EndProgram() override
    {
        std::fprintf(stderr, "extraction failed fatally\n");
        std::exit(1);
    }
};

// A field of /proc/self/status in KiB (VmRSS, VmHWM, RssAnon).
long StatusKib(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

long anonPeakKib = 0;

void NoteAnon() { anonPeakKib = std::max(anonPeakKib, StatusKib("RssAnon")); }

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: extract-bench <scratch-folder> [rounds]\n");
        return 2;
    }
    const std::filesystem::path scratch = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const long baselineKib = StatusKib("VmRSS");
    const long baselineAnonKib = StatusKib("RssAnon");

    tarnwick::PackageCatalogue catalogue = tarnwick::BuildPackageCatalogue();
    BenchUi ui;
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        std::filesystem::remove_all(scratch);
        std::filesystem::create_directories(scratch);
        const std::string text = scratch.string() + "/";
        const std::u16string target(text.begin(), text.end());
        const auto start = std::chrono::steady_clock::now();
        catalogue.ResetIteration();
        while (catalogue.NextPackage()) {
            tarnwick::ExtractPackage(catalogue, target, ui);
            NoteAnon();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
    }
    std::printf("engine_seconds=%.4f\n", best);
    std::printf("baseline_rss_kib=%ld\n", baselineKib);
    std::printf("peak_rss_kib=%ld\n", StatusKib("VmHWM"));
    std::printf("baseline_anon_kib=%ld\n", baselineAnonKib);
    std::printf("peak_anon_kib=%ld\n", anonPeakKib);
    return 0;
}
