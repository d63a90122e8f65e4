#include "ZipFixture.h"

#include "RawDeflate.h"
#include "ZipWriter.h"

#include <stdexcept>

namespace tarnwick::testing {
namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& zip, std::size_t at)
{
    return zip.at(at) | zip.at(at + 1) << 8 | zip.at(at + 2) << 16 | static_cast<std::uint32_t>(zip.at(at + 3)) << 24;
}

void Write32(std::vector<std::uint8_t>& zip, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        zip.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// Offset of the central header of entry `index`.
std::size_t CentralHeader(const std::vector<std::uint8_t>& zip, std::size_t index)
{
    const std::size_t end = zip.size() - 22;
    std::size_t at = Read32(zip, end + 16);
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t nameLength = zip.at(at + 28) | zip.at(at + 29) << 8;
        const std::size_t extraLength = zip.at(at + 30) | zip.at(at + 31) << 8;
        const std::size_t commentLength = zip.at(at + 32) | zip.at(at + 33) << 8;
        at += 46 + nameLength + extraLength + commentLength;
    }
    if (Read32(zip, at) != 0x02014b50)
        throw std::runtime_error("no central header there");
    return at;
}

} // namespace

std::vector<std::uint8_t> MakeZip(const std::vector<FixtureEntry>& entries)
{
    payload::ZipWriter writer(payload::DosTimestamp::From(1993, 6, 1, 12, 0, 0));
    for (const FixtureEntry& entry : entries)
        writer.Add(entry.name, payload::DeflateRaw(std::vector<std::uint8_t>(entry.content.begin(), entry.content.end())));
    std::vector<std::uint8_t> zip = writer.Finish();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].host != Host::Unix)
            continue;
        // "Version made by" names the host in its upper byte; a Unix host keeps the file mode in the
        // upper half of the external attributes.
        const std::size_t central = CentralHeader(zip, i);
        zip.at(central + 5) = static_cast<std::uint8_t>(Host::Unix);
        Write32(zip, central + 38, 0100644u << 16);
    }
    return zip;
}

void CorruptCrc(std::vector<std::uint8_t>& zip, std::size_t index)
{
    const std::size_t central = CentralHeader(zip, index);
    const std::size_t local = Read32(zip, central + 42);
    Write32(zip, central + 16, Read32(zip, central + 16) ^ 0x5A5A5A5Au);
    Write32(zip, local + 14, Read32(zip, local + 14) ^ 0x5A5A5A5Au);
}

void BreakLocalHeader(std::vector<std::uint8_t>& zip, std::size_t index)
{
    const std::size_t local = Read32(zip, CentralHeader(zip, index) + 42);
    Write32(zip, local, 0x12345678);
}

} // namespace tarnwick::testing
