#include "PackageArchive.h"

#include "BinaryContent.h"
#include "DosProgram.h"
#include "PackedSizeTuner.h"
#include "RawDeflate.h"
#include "TextContent.h"
#include "ZipWriter.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace payload {
namespace {

constexpr std::uint64_t LocalHeaderSize = 30;
constexpr std::uint64_t CentralHeaderSize = 46;
constexpr std::uint64_t EndRecordSize = 22;

bool IsSteered(EntryKind kind)
{
    return kind == EntryKind::Program || kind == EntryKind::Library || kind == EntryKind::Help
           || kind == EntryKind::Data;
}

BinaryStyle StyleOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Program: return BinaryStyle::Program;
    case EntryKind::Library: return BinaryStyle::Library;
    case EntryKind::Help: return BinaryStyle::Help;
    default: return BinaryStyle::Data;
    }
}

std::vector<std::uint8_t> ToBytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string BaseName(const std::string& name) { return name.substr(name.rfind('\\') + 1); }

std::vector<std::uint8_t> FixedContent(const ArchivePlan& plan, const PlannedEntry& entry, Prng& prng)
{
    switch (entry.kind) {
    case EntryKind::Launcher: return BuildLauncherProgram(plan.banner, plan.markerPath);
    case EntryKind::BasicSource: return ToBytes(GenerateBasicSource(entry.size, false, prng));
    case EntryKind::BasicInclude: return ToBytes(GenerateBasicSource(entry.size, true, prng));
    case EntryKind::Document: return ToBytes(GenerateDocument(entry.size, prng));
    default: throw std::logic_error("not a fixed member kind");
    }
}

std::vector<std::uint8_t> SteeredContent(const PlannedEntry& entry, double share, Prng& prng)
{
    std::vector<std::uint8_t> content;
    if (entry.kind == EntryKind::Program) {
        // Executables start with a stub that tells the user this file only stands in for the real one.
        content = BuildPlaceholderStub(BaseName(entry.name) + " is a stand-in file and does nothing.");
    }
    if (content.size() > entry.size) {
        throw std::logic_error("member too small for its stub: " + entry.name);
    }
    std::vector<std::uint8_t> body = GenerateBinary(StyleOf(entry.kind), entry.size - content.size(), share, prng);
    content.insert(content.end(), body.begin(), body.end());
    return content;
}

} // namespace

std::vector<std::uint8_t> BuildPackageArchive(const ArchivePlan& plan)
{
    std::uint64_t overhead = EndRecordSize;
    std::uint64_t originalTotal = 0;
    for (const PlannedEntry& entry : plan.entries) {
        overhead += LocalHeaderSize + CentralHeaderSize + 2 * entry.name.size();
        originalTotal += entry.size;
    }
    if (originalTotal != plan.unpackedTarget || overhead >= plan.packedTarget) {
        throw std::logic_error(plan.fileName + ": plan does not add up");
    }
    PackedSizeTuner tuner(plan.packedTarget - overhead, originalTotal);

    // Unsteered members first, so that the steering knows what they cost; then the steered ones, largest
    // first. Each member's content depends on its own name only, and on the share chosen for it.
    std::vector<std::size_t> order(plan.entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const PlannedEntry& left = plan.entries[a];
        const PlannedEntry& right = plan.entries[b];
        if (IsSteered(left.kind) != IsSteered(right.kind)) {
            return !IsSteered(left.kind);
        }
        return IsSteered(left.kind) && left.size > right.size;
    });

    std::vector<DeflatedData> members(plan.entries.size());
    for (std::size_t index : order) {
        const PlannedEntry& entry = plan.entries[index];
        Prng prng(Prng::SeedFromText(entry.name, plan.seed));
        if (!IsSteered(entry.kind)) {
            std::vector<std::uint8_t> content = FixedContent(plan, entry, prng);
            if (content.size() != entry.size) {
                throw std::logic_error("generated size differs from plan: " + entry.name);
            }
            members[index] = DeflateRaw(content);
            tuner.Account(entry.size, members[index].packed.size());
        } else {
            double share = tuner.ShareFor(StyleOf(entry.kind));
            members[index] = DeflateRaw(SteeredContent(entry, share, prng));
            tuner.Learn(StyleOf(entry.kind), share, entry.size, members[index].packed.size());
        }
    }

    ZipWriter writer(plan.timestamp);
    for (std::size_t index = 0; index < plan.entries.size(); ++index) {
        writer.Add(plan.entries[index].name, members[index]);
    }
    return writer.Finish();
}

} // namespace payload
