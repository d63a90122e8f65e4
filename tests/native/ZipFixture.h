// Small zip archives made for one test, and the damage a test wants to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::testing {

enum class Host : std::uint8_t { MsDos = 0, Unix = 3 };

struct FixtureEntry {
    std::string name; // stored name, as it goes into the archive
    std::string content;
    Host host = Host::MsDos;
};

std::vector<std::uint8_t> MakeZip(const std::vector<FixtureEntry>& entries);

// Flips the stored CRC of entry `index` in both its local and its central header.
void CorruptCrc(std::vector<std::uint8_t>& zip, std::size_t index);

// Damages the signature of the local header of entry `index`.
void BreakLocalHeader(std::vector<std::uint8_t>& zip, std::size_t index);

} // namespace tarnwick::testing
