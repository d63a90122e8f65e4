// Steers the packed size of an archive while its members are generated one after another.
//
// Binary members get a share of incompressible blocks (see GenerateBinary). Before each one the tuner
// looks at how many packed bytes are still to be spent on how many original bytes, and picks the share
// that should give that ratio for the member's style, using a model of how the deflate ratio grows with
// the share: ratio = 1 - (1 - base) * (1 - share)^1.2, where base is the ratio at share 0. The base of
// each style starts from a measured value and is refined from every member compressed, so errors made
// early are corrected by the members that follow. Generating the largest members first leaves the small
// ones for the fine corrections at the end.
#pragma once

#include "BinaryContent.h"

#include <array>
#include <cstdint>

namespace payload {

class PackedSizeTuner {
public:
    // packedTarget: the deflated bytes that all members together should come to; originalTotal: their
    // original size.
    PackedSizeTuner(std::uint64_t packedTarget, std::uint64_t originalTotal);

    // Records a member whose content was not steered (text files, the launcher).
    void Account(std::uint64_t originalSize, std::uint64_t packedSize);

    // The packed share for the next member of this style.
    double ShareFor(BinaryStyle style) const;

    // Records a steered member and learns from it.
    void Learn(BinaryStyle style, double share, std::uint64_t originalSize, std::uint64_t packedSize);

private:
    struct Estimate {
        double base;   // deflate ratio of the style at share 0
        double weight; // original bytes behind the estimate
    };

    std::int64_t remainingPacked;
    std::int64_t remainingOriginal;
    std::array<Estimate, 4> estimates;
};

} // namespace payload
