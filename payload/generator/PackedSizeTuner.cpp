#include "PackedSizeTuner.h"

#include <algorithm>
#include <cmath>

namespace payload {
namespace {

constexpr double Exponent = 1.2;

std::size_t IndexOf(BinaryStyle style) { return static_cast<std::size_t>(style); }

} // namespace

PackedSizeTuner::PackedSizeTuner(std::uint64_t packedTarget, std::uint64_t originalTotal)
    : remainingPacked(static_cast<std::int64_t>(packedTarget)),
      remainingOriginal(static_cast<std::int64_t>(originalTotal)),
      // Ratios measured for each style at share 0 (Program, Library, Help, Data), each counted as if
      // learned from 200 KB.
      estimates{{{0.51, 200000.0}, {0.49, 200000.0}, {0.40, 200000.0}, {0.61, 200000.0}}}
{
}

void PackedSizeTuner::Account(std::uint64_t originalSize, std::uint64_t packedSize)
{
    remainingPacked -= static_cast<std::int64_t>(packedSize);
    remainingOriginal -= static_cast<std::int64_t>(originalSize);
}

double PackedSizeTuner::ShareFor(BinaryStyle style) const
{
    if (remainingOriginal <= 0) {
        return 0.0;
    }
    double wanted = static_cast<double>(remainingPacked) / static_cast<double>(remainingOriginal);
    double base = estimates[IndexOf(style)].base;
    if (wanted <= base) {
        return 0.0;
    }
    if (wanted >= 1.0) {
        return 1.0;
    }
    return 1.0 - std::pow((1.0 - wanted) / (1.0 - base), 1.0 / Exponent);
}

void PackedSizeTuner::Learn(BinaryStyle style, double share, std::uint64_t originalSize, std::uint64_t packedSize)
{
    Account(originalSize, packedSize);
    if (share > 0.9 || originalSize < 4096) {
        return; // too little structured content to tell its ratio
    }
    double ratio = static_cast<double>(packedSize) / static_cast<double>(originalSize);
    double base = 1.0 - (1.0 - ratio) / std::pow(1.0 - share, Exponent);
    base = std::clamp(base, 0.05, 0.95);
    Estimate& estimate = estimates[IndexOf(style)];
    double weight = static_cast<double>(originalSize);
    estimate.base = (estimate.base * estimate.weight + base * weight) / (estimate.weight + weight);
    estimate.weight += weight;
}

} // namespace payload
