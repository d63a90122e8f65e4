#include "ExamplesArchive.h"

#include "RawDeflate.h"
#include "ZipWriter.h"
#include "examples/ExampleSources.h"

#include <stdexcept>

namespace payload {
namespace {

// The counts of generated DATA entries set the programs' sizes; together they come to about 208,000
// bytes, which deflate to about 54,000.
constexpr int LifeDesigns = 150;
constexpr int Mazes = 28;
constexpr int Stars = 1700;
constexpr int LedgerYears = 2;

// Converts "\n" line ends to CR LF and checks that the text is printable ASCII.
std::string DosText(const std::string& name, const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 20);
    for (char c : text) {
        if (c == '\n') {
            result += "\r\n";
        } else if (c >= 0x20 && c <= 0x7e) {
            result += c;
        } else {
            throw std::logic_error(name + " holds a character that is not printable ASCII");
        }
    }
    if (result.size() < 2 || result.compare(result.size() - 2, 2, "\r\n") != 0) {
        throw std::logic_error(name + " does not end with a line end");
    }
    return result;
}

} // namespace

std::vector<ExampleFile> ExampleFiles()
{
    const std::pair<const char*, std::string> sources[] = {
        {"BANNER.BAS", BannerSource()},
        {"GUESS.BAS", GuessSource()},
        {"LEDGER.BAS", LedgerSource(LedgerYears)},
        {"LIFE.BAS", LifeSource(LifeDesigns)},
        {"MAZE.BAS", MazeSource(Mazes)},
        {"STARS.BAS", StarsSource(Stars)},
        {"WORDS.BAS", WordsSource()},
    };
    std::vector<ExampleFile> files;
    for (const auto& [name, text] : sources) {
        files.push_back({std::string("EXAMPLES\\") + name, DosText(name, text)});
    }
    return files;
}

std::vector<std::uint8_t> BuildExamplesArchive()
{
    ZipWriter writer(DosTimestamp::From(1995, 3, 1, 12, 0, 0));
    for (const ExampleFile& file : ExampleFiles()) {
        writer.Add(file.name, DeflateRaw(std::vector<std::uint8_t>(file.text.begin(), file.text.end())));
    }
    return writer.Finish();
}

} // namespace payload
