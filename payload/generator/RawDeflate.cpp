#include "RawDeflate.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace payload {
namespace {

// Owns a deflate stream; ends it on destruction. zlib keeps a pointer back to the z_stream, so the
// object cannot be moved either.
class DeflateStream {
public:
    DeflateStream()
    {
        // Level 9, window bits -15 for a raw stream without header or trailer, default memory level.
        int result = deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        if (result != Z_OK) {
            throw std::runtime_error("deflateInit2 failed with code " + std::to_string(result));
        }
    }
    ~DeflateStream() { deflateEnd(&stream); }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
    DeflateStream(DeflateStream&&) = delete;
    DeflateStream& operator=(DeflateStream&&) = delete;

    z_stream* Get() { return &stream; }

private:
    z_stream stream{};
};

} // namespace

DeflatedData DeflateRaw(const std::vector<std::uint8_t>& original)
{
    if (original.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::runtime_error("archive member larger than 4 GiB");
    }
    DeflatedData result;
    result.originalSize = static_cast<std::uint32_t>(original.size());
    uLong crc = crc32(0L, Z_NULL, 0);
    result.crc = static_cast<std::uint32_t>(
        crc32(crc, original.empty() ? Z_NULL : original.data(), static_cast<uInt>(original.size())));

    DeflateStream stream;
    z_stream* z = stream.Get();
    result.packed.resize(deflateBound(z, static_cast<uLong>(original.size())));
    z->next_in = const_cast<Bytef*>(original.data());
    z->avail_in = static_cast<uInt>(original.size());
    z->next_out = result.packed.data();
    z->avail_out = static_cast<uInt>(result.packed.size());
    int status = deflate(z, Z_FINISH);
    if (status != Z_STREAM_END) {
        throw std::runtime_error("deflate did not finish (code " + std::to_string(status) + ")");
    }
    result.packed.resize(z->total_out);
    return result;
}

} // namespace payload
