// Checks the payload folder written by payloadgen: the five zip archives, read both field by field and
// through libarchive, and the three PNG pictures, decoded with libpng.
//
// The folder comes from the environment variable TARNWICK_PAYLOAD_DIR or, when that is not set, from
// the compile definition of the same name (a string literal).

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path PayloadFolder()
{
    if (const char* value = std::getenv("TARNWICK_PAYLOAD_DIR"); value != nullptr && *value != '\0') {
        return value;
    }
#ifdef TARNWICK_PAYLOAD_DIR
    return TARNWICK_PAYLOAD_DIR;
#else
    return {};
#endif
}

// Reads a payload file (once per run; the archives are large); fails the test through the result when
// the folder is not configured or the file cannot be read.
::testing::AssertionResult ReadPayloadFile(const std::string& name, Bytes& bytes)
{
    static std::map<std::string, Bytes> cache;
    if (auto cached = cache.find(name); cached != cache.end()) {
        bytes = cached->second;
        return ::testing::AssertionSuccess();
    }
    std::filesystem::path folder = PayloadFolder();
    if (folder.empty()) {
        return ::testing::AssertionFailure()
               << "TARNWICK_PAYLOAD_DIR is not set: point it at the folder that payloadgen wrote";
    }
    std::ifstream in(folder / name, std::ios::binary | std::ios::ate);
    if (!in) {
        return ::testing::AssertionFailure() << "cannot open " << (folder / name).string();
    }
    bytes.resize(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return ::testing::AssertionFailure() << "cannot read " << (folder / name).string();
    }
    cache[name] = bytes;
    return ::testing::AssertionSuccess();
}

// ---- zip structures, read field by field ----

std::uint32_t Read16(const Bytes& bytes, std::size_t offset)
{
    if (offset + 2 > bytes.size()) {
        throw std::out_of_range("zip field beyond the end of the archive");
    }
    return bytes[offset] | (bytes[offset + 1] << 8);
}

std::uint32_t Read32(const Bytes& bytes, std::size_t offset)
{
    return Read16(bytes, offset) | (Read16(bytes, offset + 2) << 16);
}

std::string ReadText(const Bytes& bytes, std::size_t offset, std::size_t length)
{
    if (offset + length > bytes.size()) {
        throw std::out_of_range("zip name beyond the end of the archive");
    }
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

struct EndRecord {
    std::uint32_t signature, thisDisk, directoryDisk, entriesHere, entriesTotal, directorySize, directoryOffset,
        commentLength;
};

EndRecord ReadEndRecord(const Bytes& archive)
{
    if (archive.size() < 22) {
        throw std::out_of_range("archive shorter than an end record");
    }
    std::size_t at = archive.size() - 22;
    return {Read32(archive, at),      Read16(archive, at + 4),  Read16(archive, at + 6),  Read16(archive, at + 8),
            Read16(archive, at + 10), Read32(archive, at + 12), Read32(archive, at + 16), Read16(archive, at + 20)};
}

struct CentralEntry {
    std::uint32_t signature, madeBy, versionNeeded, flags, method, time, date, crc, packedSize, originalSize,
        extraLength, commentLength, diskStart, internalAttributes, externalAttributes, localOffset;
    std::string name;
};

std::vector<CentralEntry> ReadCentralDirectory(const Bytes& archive)
{
    EndRecord end = ReadEndRecord(archive);
    std::vector<CentralEntry> entries;
    std::size_t at = end.directoryOffset;
    for (std::uint32_t i = 0; i < end.entriesTotal; ++i) {
        CentralEntry e{};
        e.signature = Read32(archive, at);
        e.madeBy = Read16(archive, at + 4);
        e.versionNeeded = Read16(archive, at + 6);
        e.flags = Read16(archive, at + 8);
        e.method = Read16(archive, at + 10);
        e.time = Read16(archive, at + 12);
        e.date = Read16(archive, at + 14);
        e.crc = Read32(archive, at + 16);
        e.packedSize = Read32(archive, at + 20);
        e.originalSize = Read32(archive, at + 24);
        std::uint32_t nameLength = Read16(archive, at + 28);
        e.extraLength = Read16(archive, at + 30);
        e.commentLength = Read16(archive, at + 32);
        e.diskStart = Read16(archive, at + 34);
        e.internalAttributes = Read16(archive, at + 36);
        e.externalAttributes = Read32(archive, at + 38);
        e.localOffset = Read32(archive, at + 42);
        e.name = ReadText(archive, at + 46, nameLength);
        entries.push_back(e);
        at += 46 + nameLength + e.extraLength + e.commentLength;
    }
    return entries;
}

// Inflates an entry's raw deflate data with zlib, independently of libarchive.
Bytes InflateEntry(const Bytes& archive, const CentralEntry& entry)
{
    std::size_t dataStart = entry.localOffset + 30 + Read16(archive, entry.localOffset + 26)
                            + Read16(archive, entry.localOffset + 28);
    if (dataStart + entry.packedSize > archive.size()) {
        throw std::out_of_range("entry data beyond the end of the archive");
    }
    Bytes original(entry.originalSize);
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK) {
        throw std::runtime_error("inflateInit2 failed");
    }
    stream.next_in = const_cast<Bytef*>(archive.data() + dataStart);
    stream.avail_in = entry.packedSize;
    stream.next_out = original.data();
    stream.avail_out = static_cast<uInt>(original.size());
    int status = inflate(&stream, Z_FINISH);
    std::size_t produced = stream.total_out;
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced != entry.originalSize) {
        throw std::runtime_error("entry " + entry.name + " does not inflate to its recorded size");
    }
    return original;
}

std::string FolderOf(const std::string& name) { return name.substr(0, name.rfind('\\')); }

bool IsShortDosName(const std::string& name)
{
    std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 8 || name.size() - dot - 1 < 1 || name.size() - dot - 1 > 3) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '$' || c == '-';
    });
}

struct ArchiveCase {
    const char* fileName;
    std::size_t entries;
    std::uint64_t packedSize;   // the real archive's size; the stand-in keeps within 10 %
    std::uint64_t unpackedSize; // likewise, the sum of the members' sizes
    std::set<std::string> folders;
    std::string prefix;
    std::string launcher; // the program that the DOSBox configuration starts; empty for the examples
    std::string marker;   // the file that the launcher creates
};

void PrintTo(const ArchiveCase& c, std::ostream* out) { *out << c.fileName; }

// The package archives first, the examples archive last.
const std::vector<ArchiveCase>& ArchiveCases()
{
    static const std::vector<ArchiveCase> cases = {
        {"qb11_pb.zip", 2, 293738, 325190, {"qb11"}, "qb11\\", "qb11\\QBASIC.EXE", "D:\\QB11.RAN"},
        {"qb45_pb.zip", 70, 994088, 1507506,
         {"qb45", "qb45\\HLP", "qb45\\INC", "qb45\\INC\\ADVR_EX", "qb45\\INC\\EXAMPLES", "qb45\\LIB"}, "qb45\\",
         "qb45\\QB.EXE", "D:\\QB45.RAN"},
        {"qbx_pb.zip", 277, 5680088, 10874599, {"qbx\\BIN", "qbx\\BINB", "qbx\\HELP", "qbx\\LIB", "qbx\\SRC"},
         "qbx\\", "qbx\\BIN\\QBX.EXE", "D:\\QBX.RAN"},
        {"vbdos_pb.zip", 219, 5826036, 11015947, {"vbdos\\BIN", "vbdos\\HLP", "vbdos\\INC", "vbdos\\LIB"}, "vbdos\\",
         "vbdos\\BIN\\VBDOS.EXE", "D:\\VBDOS.RAN"},
        {"examples.zip", 7, 54153, 207799, {"EXAMPLES"}, "EXAMPLES\\", "", ""},
    };
    return cases;
}

class ArchiveTest : public ::testing::TestWithParam<ArchiveCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadPayloadFile(GetParam().fileName, archive));
        ASSERT_NO_THROW(entries = ReadCentralDirectory(archive));
    }

    const CentralEntry* Find(const std::string& name) const
    {
        auto found = std::find_if(entries.begin(), entries.end(), [&](const CentralEntry& e) { return e.name == name; });
        return found == entries.end() ? nullptr : &*found;
    }

    Bytes archive;
    std::vector<CentralEntry> entries;
};

TEST_P(ArchiveTest, EndRecordClosesTheArchiveAndFollowsTheDirectory)
{
    const ArchiveCase& c = GetParam();
    ASSERT_GE(archive.size(), 4u);
    EXPECT_EQ(Read32(archive, 0), 0x04034b50u) << "archive must begin with a local file header";
    EndRecord end = ReadEndRecord(archive);
    EXPECT_EQ(end.signature, 0x06054b50u) << "the last 22 bytes must be the end record";
    EXPECT_EQ(end.commentLength, 0u);
    EXPECT_EQ(end.thisDisk, 0u);
    EXPECT_EQ(end.directoryDisk, 0u);
    EXPECT_EQ(end.entriesHere, c.entries);
    EXPECT_EQ(end.entriesTotal, c.entries);
    EXPECT_EQ(end.directoryOffset + end.directorySize, archive.size() - 22)
        << "the central directory must end where the end record begins";
    EXPECT_EQ(entries.size(), c.entries);
}

TEST_P(ArchiveTest, EveryEntryIsPlainDeflateWithDosAttributes)
{
    const EndRecord end = ReadEndRecord(archive);
    std::size_t expectedOffset = 0;
    for (const CentralEntry& e : entries) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.signature, 0x02014b50u);
        EXPECT_EQ(e.method, 8u) << "deflate";
        EXPECT_EQ(e.flags, 0u) << "no encryption, no data descriptor";
        EXPECT_EQ(e.madeBy >> 8, 0u) << "host system MS-DOS";
        EXPECT_EQ(e.versionNeeded, 20u);
        EXPECT_EQ(e.externalAttributes, 0x20u) << "DOS archive attribute";
        EXPECT_EQ(e.extraLength, 0u);
        EXPECT_EQ(e.commentLength, 0u);
        EXPECT_EQ(e.diskStart, 0u);

        // Members lie one after another from the start of the file, each local header agreeing with the
        // directory, and nothing after the data: no data descriptor, no gap.
        EXPECT_EQ(e.localOffset, expectedOffset);
        std::size_t at = e.localOffset;
        ASSERT_EQ(Read32(archive, at), 0x04034b50u);
        EXPECT_EQ(Read16(archive, at + 4), e.versionNeeded);
        EXPECT_EQ(Read16(archive, at + 6), 0u);
        EXPECT_EQ(Read16(archive, at + 8), 8u);
        EXPECT_EQ(Read16(archive, at + 10), e.time);
        EXPECT_EQ(Read16(archive, at + 12), e.date);
        EXPECT_EQ(Read32(archive, at + 14), e.crc) << "CRC must be in the local header";
        EXPECT_EQ(Read32(archive, at + 18), e.packedSize) << "sizes must be in the local header";
        EXPECT_EQ(Read32(archive, at + 22), e.originalSize);
        std::uint32_t nameLength = Read16(archive, at + 26);
        EXPECT_EQ(Read16(archive, at + 28), 0u) << "no extra field";
        EXPECT_EQ(ReadText(archive, at + 30, nameLength), e.name);
        expectedOffset = at + 30 + nameLength + Read16(archive, at + 28) + e.packedSize;
    }
    EXPECT_EQ(expectedOffset, end.directoryOffset) << "the central directory must follow the last member's data";
}

TEST_P(ArchiveTest, NamesAreDosPathsInTheListedFolders)
{
    const ArchiveCase& c = GetParam();
    std::set<std::string> folders;
    std::set<std::string> seen;
    for (const CentralEntry& e : entries) {
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(std::all_of(e.name.begin(), e.name.end(), [](char ch) { return ch >= 0x21 && ch <= 0x7e; }))
            << "printable ASCII without blanks";
        EXPECT_EQ(e.name.find('/'), std::string::npos) << "backslash is the only separator";
        EXPECT_EQ(e.name.compare(0, c.prefix.size(), c.prefix), 0) << "must lie below " << c.prefix;
        ASSERT_NE(e.name.back(), '\\') << "no folder entries";
        EXPECT_LE(std::count(e.name.begin(), e.name.end(), '\\'), 3) << "at most three folders deep";
        EXPECT_TRUE(IsShortDosName(e.name.substr(e.name.rfind('\\') + 1))) << "8.3 upper-case file name";
        std::string upper = e.name;
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char ch) { return std::toupper(ch); });
        EXPECT_TRUE(seen.insert(upper).second) << "names must differ even on a case-blind file system";
        folders.insert(FolderOf(e.name));
    }
    EXPECT_EQ(folders, c.folders);
}

TEST_P(ArchiveTest, SizesStayNearTheRealArchive)
{
    const ArchiveCase& c = GetParam();
    std::uint64_t unpacked = 0;
    for (const CentralEntry& e : entries) {
        unpacked += e.originalSize;
    }
    EXPECT_NEAR(static_cast<double>(archive.size()), static_cast<double>(c.packedSize), c.packedSize * 0.10);
    EXPECT_NEAR(static_cast<double>(unpacked), static_cast<double>(c.unpackedSize), c.unpackedSize * 0.10);
}

TEST_P(ArchiveTest, LibarchiveReadsEveryEntryWithItsChecksum)
{
    std::unique_ptr<struct archive, int (*)(struct archive*)> owner(archive_read_new(), archive_read_free);
    struct archive* reader = owner.get();
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(archive_read_support_format_zip(reader), ARCHIVE_OK);
    ASSERT_EQ(archive_read_open_memory(reader, archive.data(), archive.size()), ARCHIVE_OK)
        << archive_error_string(reader);
    std::size_t index = 0;
    struct archive_entry* header = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(reader, &header)) == ARCHIVE_OK) {
        ASSERT_LT(index, entries.size());
        const CentralEntry& e = entries[index++];
        SCOPED_TRACE(e.name);
        std::string path = archive_entry_pathname(header);
        std::replace(path.begin(), path.end(), '/', '\\');
        EXPECT_EQ(path, e.name);
        EXPECT_EQ(archive_entry_filetype(header), AE_IFREG);
        Bytes block(65536);
        uLong crc = crc32(0L, Z_NULL, 0);
        std::uint64_t total = 0;
        la_ssize_t got = 0;
        while ((got = archive_read_data(reader, block.data(), block.size())) > 0) {
            crc = crc32(crc, block.data(), static_cast<uInt>(got));
            total += static_cast<std::uint64_t>(got);
        }
        EXPECT_EQ(got, 0) << "libarchive: " << (archive_error_string(reader) ? archive_error_string(reader) : "");
        EXPECT_EQ(total, e.originalSize);
        EXPECT_EQ(static_cast<std::uint32_t>(crc), e.crc);
    }
    EXPECT_EQ(status, ARCHIVE_EOF) << (archive_error_string(reader) ? archive_error_string(reader) : "");
    EXPECT_EQ(index, GetParam().entries);
}

// The four package archives, which carry a program for DOSBox to start.
class LaunchProgramTest : public ArchiveTest {};

TEST_P(LaunchProgramTest, IsAFlatComProgramThatLeavesItsMarker)
{
    const ArchiveCase& c = GetParam();
    const CentralEntry* entry = Find(c.launcher);
    ASSERT_NE(entry, nullptr) << c.launcher << " missing";
    Bytes program;
    ASSERT_NO_THROW(program = InflateEntry(archive, *entry));
    ASSERT_GE(program.size(), 16u);
    EXPECT_LE(program.size(), 0xff00u) << "a COM program must fit its segment";
    std::string text(program.begin(), program.end());
    EXPECT_NE(text.substr(0, 2), "MZ") << "must not carry an EXE header";
    EXPECT_NE(text.substr(0, 2), "ZM");
    EXPECT_NE(text.find(c.marker + std::string(1, '\0')), std::string::npos) << "ASCIIZ path of the marker file";
    EXPECT_NE(text.find(" stand-in\r\n$"), std::string::npos) << "banner for INT 21h AH=09h";
    EXPECT_NE(text.find("\xb4\x3c\xcd\x21"), std::string::npos) << "mov ah,3Ch; int 21h (create file)";
    EXPECT_NE(text.find("\xb4\x3e\xcd\x21"), std::string::npos) << "mov ah,3Eh; int 21h (close file)";
    EXPECT_NE(text.find(std::string("\xb8\x00\x4c\xcd\x21", 5)), std::string::npos) << "mov ax,4C00h; int 21h";
}

std::string ArchiveCaseName(const ::testing::TestParamInfo<ArchiveCase>& info)
{
    std::string name = info.param.fileName;
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Payload, ArchiveTest, ::testing::ValuesIn(ArchiveCases()), ArchiveCaseName);
INSTANTIATE_TEST_SUITE_P(Payload, LaunchProgramTest,
                         ::testing::ValuesIn(ArchiveCases().begin(), ArchiveCases().end() - 1), ArchiveCaseName);

TEST(ExamplesArchive, ProgramsArePlainAsciiBasicWithDosLineEnds)
{
    Bytes archive;
    ASSERT_TRUE(ReadPayloadFile("examples.zip", archive));
    std::vector<CentralEntry> entries;
    ASSERT_NO_THROW(entries = ReadCentralDirectory(archive));
    ASSERT_EQ(entries.size(), 7u);
    for (const CentralEntry& e : entries) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.name.substr(e.name.size() - 4), ".BAS");
        Bytes text;
        ASSERT_NO_THROW(text = InflateEntry(archive, e));
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text[text.size() - 2], '\r');
        EXPECT_EQ(text[text.size() - 1], '\n');
        std::size_t lines = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::uint8_t ch = text[i];
            if (ch == '\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
            } else if (ch == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
                ++lines;
            } else {
                ASSERT_TRUE(ch >= 0x20 && ch <= 0x7e) << "byte " << int(ch) << " at " << i;
            }
        }
        // Every program is a real one: it starts with a comment naming itself and ends its main part.
        std::string source(text.begin(), text.end());
        std::string baseName = e.name.substr(e.name.rfind('\\') + 1);
        EXPECT_EQ(source.rfind("' " + baseName, 0), 0u) << "first line names the program";
        EXPECT_NE(source.find("\r\nEND\r\n"), std::string::npos);
        EXPECT_GT(lines, 50u);
    }
}

// ---- pictures ----

struct PictureInfo {
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
    Bytes pixels; // RGBA rows
};

struct MemoryReader {
    const Bytes* bytes;
    std::size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep data, png_size_t length)
{
    auto* source = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (source->offset + length > source->bytes->size()) {
        png_error(png, "read beyond the end of the file");
    }
    std::copy_n(source->bytes->data() + source->offset, length, data);
    source->offset += length;
}

// All libpng calls in one frame with no destructors to skip when libpng longjmps on an error.
bool DecodeRgba(png_structp png, png_infop info, MemoryReader* source, PictureInfo* picture,
                std::vector<png_bytep>* rows)
{
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_read_fn(png, source, ReadFromMemory);
    png_read_info(png, info);
    png_get_IHDR(png, info, &picture->width, &picture->height, &picture->bitDepth, &picture->colourType,
                 &picture->interlace, nullptr, nullptr);
    if (picture->bitDepth != 8 || picture->colourType != PNG_COLOR_TYPE_RGB_ALPHA) {
        return true; // reported by the caller; not decoded further
    }
    picture->pixels.resize(static_cast<std::size_t>(picture->width) * picture->height * 4);
    rows->resize(picture->height);
    for (png_uint_32 y = 0; y < picture->height; ++y) {
        (*rows)[y] = picture->pixels.data() + static_cast<std::size_t>(y) * picture->width * 4;
    }
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    return true;
}

::testing::AssertionResult DecodePicture(const Bytes& file, PictureInfo& picture)
{
    if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) {
        return ::testing::AssertionFailure() << "no PNG signature";
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return ::testing::AssertionFailure() << "png_create_read_struct failed";
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return ::testing::AssertionFailure() << "png_create_info_struct failed";
    }
    MemoryReader source{&file, 0};
    std::vector<png_bytep> rows;
    bool decoded = DecodeRgba(png, info, &source, &picture, &rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!decoded) {
        return ::testing::AssertionFailure() << "libpng could not decode the picture";
    }
    return ::testing::AssertionSuccess();
}

struct PictureCase {
    const char* fileName;
    png_uint_32 width, height;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.fileName; }

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, DecodesAsRgbaOfTheRightSizeWithSoftEdges)
{
    const PictureCase& c = GetParam();
    Bytes file;
    ASSERT_TRUE(ReadPayloadFile(c.fileName, file));
    PictureInfo picture;
    ASSERT_TRUE(DecodePicture(file, picture));
    EXPECT_EQ(picture.width, c.width);
    EXPECT_EQ(picture.height, c.height);
    EXPECT_EQ(picture.bitDepth, 8);
    EXPECT_EQ(picture.colourType, PNG_COLOR_TYPE_RGB_ALPHA);
    EXPECT_EQ(picture.interlace, PNG_INTERLACE_NONE);
    ASSERT_EQ(picture.pixels.size(), static_cast<std::size_t>(c.width) * c.height * 4);

    auto alphaAt = [&](png_uint_32 x, png_uint_32 y) {
        return picture.pixels[(static_cast<std::size_t>(y) * picture.width + x) * 4 + 3];
    };
    // A drawn picture with a transparent surround: the corner is see-through, the middle solid, and it
    // has more than a handful of colours.
    EXPECT_LT(alphaAt(0, 0), 255);
    EXPECT_EQ(alphaAt(c.width / 2, c.height / 2), 255);
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i < picture.pixels.size(); i += 4) {
        colours.insert(picture.pixels[i] << 16 | picture.pixels[i + 1] << 8 | picture.pixels[i + 2]);
    }
    EXPECT_GT(colours.size(), 16u);
}

INSTANTIATE_TEST_SUITE_P(Payload, PictureTest,
                         ::testing::Values(PictureCase{"license_badge.png", 88, 31}, PictureCase{"about.png", 200, 149},
                                           PictureCase{"donate.png", 150, 50}),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             std::string name = info.param.fileName;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
