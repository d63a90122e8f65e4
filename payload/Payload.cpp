#include "payload/Payload.h"

#define TARNWICK_DECLARE_BLOCK(name)                 \
    extern "C" const unsigned char name##_begin[];   \
    extern "C" const unsigned char name##_end[];

TARNWICK_DECLARE_BLOCK(tarnwick_qb11)
TARNWICK_DECLARE_BLOCK(tarnwick_qb45)
TARNWICK_DECLARE_BLOCK(tarnwick_qbx)
TARNWICK_DECLARE_BLOCK(tarnwick_vbdos)
TARNWICK_DECLARE_BLOCK(tarnwick_examples)
TARNWICK_DECLARE_BLOCK(tarnwick_license_badge)
TARNWICK_DECLARE_BLOCK(tarnwick_about)
TARNWICK_DECLARE_BLOCK(tarnwick_donate)

namespace tarnwick::payload {
namespace {

Block Span(const unsigned char* begin, const unsigned char* end)
{
    return Block {begin, static_cast<std::int32_t>(end - begin)};
}

} // namespace

Block Qb11Archive() { return Span(tarnwick_qb11_begin, tarnwick_qb11_end); }
Block Qb45Archive() { return Span(tarnwick_qb45_begin, tarnwick_qb45_end); }
Block QbxArchive() { return Span(tarnwick_qbx_begin, tarnwick_qbx_end); }
Block VbdosArchive() { return Span(tarnwick_vbdos_begin, tarnwick_vbdos_end); }
Block ExamplesArchive() { return Span(tarnwick_examples_begin, tarnwick_examples_end); }
Block LicenseBadgePicture() { return Span(tarnwick_license_badge_begin, tarnwick_license_badge_end); }
Block AboutPicture() { return Span(tarnwick_about_begin, tarnwick_about_end); }
Block DonationPicture() { return Span(tarnwick_donate_begin, tarnwick_donate_end); }

} // namespace tarnwick::payload
