// Builds one package archive from its plan.
#pragma once

#include "PackageLayout.h"

#include <cstdint>
#include <vector>

namespace payload {

// Generates every member of the plan, deflates it and returns the finished zip archive. The members
// appear in plan order; the launcher is the hand-assembled DOS program, text members are generated
// text, and the binary members are steered so that the archive comes close to plan.packedTarget.
std::vector<std::uint8_t> BuildPackageArchive(const ArchivePlan& plan);

} // namespace payload
