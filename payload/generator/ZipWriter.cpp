#include "ZipWriter.h"

#include <limits>
#include <stdexcept>

namespace payload {
namespace {

constexpr std::uint32_t LocalHeaderSignature = 0x04034b50;
constexpr std::uint32_t CentralHeaderSignature = 0x02014b50;
constexpr std::uint32_t EndRecordSignature = 0x06054b50;
constexpr std::uint16_t VersionNeeded = 20;      // 2.0: deflate
constexpr std::uint16_t VersionMadeBy = 0x0014;  // host 0 (MS-DOS and FAT file systems), version 2.0
constexpr std::uint16_t MethodDeflate = 8;
constexpr std::uint32_t AttributeArchive = 0x20; // DOS archive bit in the low byte of the external field

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

std::uint32_t CheckedOffset(std::size_t value)
{
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        throw std::runtime_error("zip archive larger than 4 GiB");
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

DosTimestamp DosTimestamp::From(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1980 || year > 2107 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 59) {
        throw std::runtime_error("date or time outside the MS-DOS range");
    }
    DosTimestamp stamp;
    stamp.time = static_cast<std::uint16_t>((hour << 11) | (minute << 5) | (second / 2));
    stamp.date = static_cast<std::uint16_t>(((year - 1980) << 9) | (month << 5) | day);
    return stamp;
}

ZipWriter::ZipWriter(DosTimestamp timestamp) : timestamp(timestamp) {}

void ZipWriter::Add(const std::string& name, const DeflatedData& data)
{
    if (name.empty() || name.size() > 0xffff) {
        throw std::runtime_error("zip member name empty or too long");
    }
    for (char c : name) {
        if (c < 0x20 || c > 0x7e) {
            throw std::runtime_error("zip member name is not printable ASCII: " + name);
        }
    }
    if (records.size() >= 0xffff) {
        throw std::runtime_error("too many zip members for the classic format");
    }

    CentralRecord record{name, data.crc, CheckedOffset(data.packed.size()), data.originalSize,
                         CheckedOffset(archive.size())};

    Put32(archive, LocalHeaderSignature);
    Put16(archive, VersionNeeded);
    Put16(archive, 0); // general-purpose flags: no encryption, no data descriptor
    Put16(archive, MethodDeflate);
    Put16(archive, timestamp.time);
    Put16(archive, timestamp.date);
    Put32(archive, record.crc);
    Put32(archive, record.packedSize);
    Put32(archive, record.originalSize);
    Put16(archive, static_cast<std::uint32_t>(name.size()));
    Put16(archive, 0); // extra field length
    PutText(archive, name);
    archive.insert(archive.end(), data.packed.begin(), data.packed.end());
    CheckedOffset(archive.size());

    records.push_back(record);
}

std::vector<std::uint8_t> ZipWriter::Finish()
{
    std::uint32_t directoryOffset = CheckedOffset(archive.size());
    for (const CentralRecord& record : records) {
        Put32(archive, CentralHeaderSignature);
        Put16(archive, VersionMadeBy);
        Put16(archive, VersionNeeded);
        Put16(archive, 0); // flags
        Put16(archive, MethodDeflate);
        Put16(archive, timestamp.time);
        Put16(archive, timestamp.date);
        Put32(archive, record.crc);
        Put32(archive, record.packedSize);
        Put32(archive, record.originalSize);
        Put16(archive, static_cast<std::uint32_t>(record.name.size()));
        Put16(archive, 0); // extra field length
        Put16(archive, 0); // comment length
        Put16(archive, 0); // disk number start
        Put16(archive, 0); // internal attributes
        Put32(archive, AttributeArchive);
        Put32(archive, record.localOffset);
        PutText(archive, record.name);
    }
    std::uint32_t directorySize = CheckedOffset(archive.size()) - directoryOffset;

    Put32(archive, EndRecordSignature);
    Put16(archive, 0); // number of this disk
    Put16(archive, 0); // disk where the central directory starts
    Put16(archive, static_cast<std::uint32_t>(records.size()));
    Put16(archive, static_cast<std::uint32_t>(records.size()));
    Put32(archive, directorySize);
    Put32(archive, directoryOffset);
    Put16(archive, 0); // comment length
    CheckedOffset(archive.size());

    records.clear();
    std::vector<std::uint8_t> result;
    result.swap(archive);
    return result;
}

} // namespace payload
