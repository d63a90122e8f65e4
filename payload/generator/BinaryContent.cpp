#include "BinaryContent.h"

#include "Vocabulary.h"

#include <algorithm>
#include <string>

namespace payload {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put8(Bytes& out, std::uint32_t value) { out.push_back(static_cast<std::uint8_t>(value)); }

void Put16(Bytes& out, std::uint32_t value)
{
    Put8(out, value & 0xff);
    Put8(out, (value >> 8) & 0xff);
}

void PutText(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// Generates the content of one file. The pools make the file consistent with itself the way a linked
// program is: the same few call targets, data addresses and segments recur throughout.
class Synthesizer {
public:
    Synthesizer(Prng& prng) : prng(prng)
    {
        for (int i = 0; i < 24; ++i) {
            farTargets.push_back({static_cast<std::uint16_t>(prng.Below(0x4000) * 2),
                                  static_cast<std::uint16_t>(prng.Below(6))});
        }
        for (int i = 0; i < 40; ++i) {
            nearTargets.push_back(static_cast<std::uint16_t>(prng.Below(0x8000) * 2));
        }
        for (int i = 0; i < 48; ++i) {
            dataAddresses.push_back(static_cast<std::uint16_t>(0x40 + prng.Below(0x1000) * 2));
        }
        for (int i = 0; i < 160; ++i) {
            symbols.push_back(MakeSymbol());
        }
    }

    void Code(Bytes& out, std::size_t length)
    {
        std::size_t end = out.size() + length;
        while (out.size() < end) {
            Function(out);
        }
        out.resize(end);
    }

    void Strings(Bytes& out, std::size_t length)
    {
        std::size_t end = out.size() + length;
        while (out.size() < end) {
            std::string message = Sentence(prng.Between(2, 7));
            switch (prng.Below(4)) {
            case 0: // Pascal-style length prefix, as the BASIC run-time keeps its messages
                Put8(out, static_cast<std::uint32_t>(message.size()));
                PutText(out, message);
                break;
            case 1: // DOS '$'-terminated
                PutText(out, message);
                PutText(out, "\r\n$");
                break;
            default: // C string
                PutText(out, message);
                Put8(out, 0);
                break;
            }
        }
        out.resize(end);
    }

    void Table(Bytes& out, std::size_t length)
    {
        std::size_t end = out.size() + length;
        switch (prng.Below(4)) {
        case 0: { // offsets into a segment, ascending
            std::uint32_t offset = prng.Below(0x1000);
            while (out.size() < end) {
                Put16(out, offset & 0xffff);
                offset += 2 + prng.Below(48) * 2;
            }
            break;
        }
        case 1: { // relocation entries: offset, segment
            std::uint32_t offset = prng.Below(0x100);
            while (out.size() < end) {
                Put16(out, offset & 0xffff);
                Put16(out, prng.Below(4) * 0x1000u);
                offset += 1 + prng.Below(90);
            }
            break;
        }
        case 2: { // character class table: runs of flag values
            static const std::uint8_t flags[] = {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0x84};
            while (out.size() < end) {
                std::uint8_t value = prng.Pick(flags);
                for (std::uint32_t run = 1 + prng.Below(12); run > 0; --run) {
                    Put8(out, value);
                }
            }
            break;
        }
        default: { // 8 x 8 glyph bitmaps, rows repeat often
            while (out.size() < end) {
                std::uint8_t row = prng.Byte();
                for (int line = 0; line < 8; ++line) {
                    if (prng.Chance(0.45)) {
                        row = static_cast<std::uint8_t>(prng.Chance(0.3) ? 0 : prng.Byte() & 0x7e);
                    }
                    Put8(out, row);
                }
            }
            break;
        }
        }
        out.resize(end);
    }

    void Padding(Bytes& out, std::size_t length)
    {
        std::uint8_t fill = prng.Chance(0.8) ? 0x00 : (prng.Chance(0.5) ? 0xff : 0x20);
        out.insert(out.end(), length, fill);
    }

    // Object-module records: a header with the module name, public and external name lists, and data
    // records holding code, each ending in the checksum byte.
    void ObjectRecords(Bytes& out, std::size_t length)
    {
        std::size_t end = out.size() + length;
        while (out.size() < end) {
            Bytes body;
            std::uint8_t recordType = 0;
            switch (prng.Below(5)) {
            case 0: {
                recordType = 0x80; // THEADR
                std::string module = Symbol() + ".ASM";
                Put8(body, static_cast<std::uint32_t>(module.size()));
                PutText(body, module);
                break;
            }
            case 1: {
                recordType = 0x90; // PUBDEF
                Put8(body, 0);
                Put8(body, 1 + prng.Below(3));
                for (std::uint32_t count = 1 + prng.Below(6); count > 0; --count) {
                    const std::string& name = Symbol();
                    Put8(body, static_cast<std::uint32_t>(name.size()));
                    PutText(body, name);
                    Put16(body, prng.Below(0x800) * 2);
                    Put8(body, 0);
                }
                break;
            }
            case 2: {
                recordType = 0x8c; // EXTDEF
                for (std::uint32_t count = 1 + prng.Below(8); count > 0; --count) {
                    const std::string& name = Symbol();
                    Put8(body, static_cast<std::uint32_t>(name.size()));
                    PutText(body, name);
                    Put8(body, 0);
                }
                break;
            }
            case 3: {
                recordType = 0x9c; // FIXUPP
                for (std::uint32_t count = 1 + prng.Below(10); count > 0; --count) {
                    Put8(body, 0xc4 + prng.Below(4) * 4);
                    Put8(body, prng.Byte());
                    Put8(body, 0x56);
                    Put8(body, 1 + prng.Below(8));
                }
                break;
            }
            default: {
                recordType = 0xa0; // LEDATA
                Put8(body, 1);
                Put16(body, prng.Below(0x1000) * 2);
                Code(body, 64 + prng.Below(900));
                break;
            }
            }
            Put8(out, recordType);
            Put16(out, static_cast<std::uint32_t>(body.size() + 1));
            out.insert(out.end(), body.begin(), body.end());
            std::uint8_t sum = recordType + static_cast<std::uint8_t>(body.size() + 1)
                               + static_cast<std::uint8_t>((body.size() + 1) >> 8);
            for (std::uint8_t b : body) {
                sum = static_cast<std::uint8_t>(sum + b);
            }
            Put8(out, static_cast<std::uint8_t>(0x100 - sum));
        }
        out.resize(end);
    }

    // Uncompressed help topics: a title line, then lines of text with attribute escapes.
    void HelpTopics(Bytes& out, std::size_t length)
    {
        std::size_t end = out.size() + length;
        const auto& keywords = BasicKeywords();
        while (out.size() < end) {
            const std::string& keyword = prng.Pick(keywords);
            PutText(out, ".context " + keyword + "\r\n");
            PutText(out, "\xff" "b" + keyword + " Statement\xff" "p\r\n");
            for (std::uint32_t line = 2 + prng.Below(8); line > 0; --line) {
                std::string text = "  " + Sentence(prng.Between(4, 12));
                if (prng.Chance(0.3)) {
                    text += " See \xff" "u" + prng.Pick(keywords) + "\xff" "p.";
                }
                PutText(out, text + "\r\n");
            }
            Put8(out, 0);
        }
        out.resize(end);
    }

    // Bytes that deflate cannot shrink, like text or resources that were compressed already.
    void Packed(Bytes& out, std::size_t length)
    {
        for (std::size_t i = 0; i < length; ++i) {
            out.push_back(prng.Byte());
        }
    }

private:
    struct FarTarget {
        std::uint16_t offset;
        std::uint16_t segment;
    };

    std::string MakeSymbol()
    {
        static const char* const prefixes[] = {"B$", "_B$", "__a", "_", "$i8_", "__f", "B$S", "_"};
        const auto& parts = NameParts();
        std::string name = prng.Pick(prefixes);
        name += prng.Pick(parts);
        if (prng.Chance(0.5)) {
            name += prng.Pick(parts);
        }
        if (name[0] == 'B') {
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
        }
        return name;
    }

    const std::string& Symbol() { return prng.Pick(symbols); }

    std::string Sentence(int words)
    {
        const auto& vocabulary = CommonWords();
        std::string text;
        for (int i = 0; i < words; ++i) {
            if (i > 0) {
                text += ' ';
            }
            text += prng.Pick(vocabulary);
        }
        text[0] = static_cast<char>(text[0] >= 'a' && text[0] <= 'z' ? text[0] - 32 : text[0]);
        return text;
    }

    std::uint32_t Local() // a BP-relative displacement: arguments above, locals below
    {
        static const std::uint8_t displacements[] = {0xfe, 0xfc, 0xfa, 0xf8, 0xf6, 0xf4, 0xf0, 0xec,
                                                     0x06, 0x08, 0x0a, 0x0c, 0x0e, 0x10};
        return prng.Pick(displacements);
    }

    void Function(Bytes& out)
    {
        Put8(out, 0x55); // push bp
        Put8(out, 0x8b); // mov bp, sp
        Put8(out, 0xec);
        if (prng.Chance(0.7)) { // sub sp, n
            Put8(out, 0x83);
            Put8(out, 0xec);
            Put8(out, 2 + prng.Below(10) * 2);
        }
        bool savesRegisters = prng.Chance(0.6);
        if (savesRegisters) {
            Put8(out, 0x56); // push si
            Put8(out, 0x57); // push di
        }
        for (std::uint32_t statements = 3 + prng.Below(28); statements > 0; --statements) {
            Statement(out);
        }
        if (savesRegisters) {
            Put8(out, 0x5f); // pop di
            Put8(out, 0x5e); // pop si
        }
        Put8(out, 0x8b); // mov sp, bp
        Put8(out, 0xe5);
        Put8(out, 0x5d); // pop bp
        switch (prng.Below(3)) {
        case 0: Put8(out, 0xc3); break; // retn
        case 1: Put8(out, 0xcb); break; // retf
        default:                        // retf n
            Put8(out, 0xca);
            Put16(out, 2 + prng.Below(4) * 2);
            break;
        }
    }

    void Statement(Bytes& out)
    {
        static const std::vector<std::uint32_t> weights = {14, 10, 10, 8, 8, 6, 6, 6, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2};
        switch (prng.Weighted(weights)) {
        case 0: // mov ax, [bp+d]
            Put8(out, 0x8b); Put8(out, 0x46); Put8(out, Local());
            break;
        case 1: // mov [bp+d], ax
            Put8(out, 0x89); Put8(out, 0x46); Put8(out, Local());
            break;
        case 2: { // push args; call far; add sp
            std::uint32_t arguments = prng.Below(4);
            for (std::uint32_t i = 0; i < arguments; ++i) {
                Put8(out, 0xff); Put8(out, 0x76); Put8(out, Local()); // push word [bp+d]
            }
            const FarTarget& target = prng.Pick(farTargets);
            Put8(out, 0x9a); Put16(out, target.offset); Put16(out, target.segment); // call far
            if (arguments > 0 && prng.Chance(0.5)) {
                Put8(out, 0x83); Put8(out, 0xc4); Put8(out, arguments * 2); // add sp, n
            }
            break;
        }
        case 3: { // call near
            std::uint16_t target = prng.Pick(nearTargets);
            std::uint16_t here = static_cast<std::uint16_t>(out.size() + 3);
            Put8(out, 0xe8); Put16(out, static_cast<std::uint16_t>(target - here));
            break;
        }
        case 4: // mov ax, [mem]
            Put8(out, 0xa1); Put16(out, prng.Pick(dataAddresses));
            break;
        case 5: // mov [mem], ax
            Put8(out, 0xa3); Put16(out, prng.Pick(dataAddresses));
            break;
        case 6: // cmp ax, imm8; jz/jnz/jl/jge short
            Put8(out, 0x83); Put8(out, 0xf8); Put8(out, prng.Below(16));
            Put8(out, prng.Pick({0x74, 0x75, 0x7c, 0x7d}));
            Put8(out, 2 + prng.Below(40));
            break;
        case 7: // mov ax, imm16 (small constants are the rule)
            Put8(out, 0xb8); Put16(out, prng.Chance(0.7) ? prng.Below(32) : prng.Below(0x10000));
            break;
        case 8: // xor ax, ax / or ax, ax
            Put8(out, prng.Chance(0.5) ? 0x33 : 0x0b); Put8(out, 0xc0);
            break;
        case 9: // les bx, [bp+d]; mov ax, es:[bx]
            Put8(out, 0xc4); Put8(out, 0x5e); Put8(out, Local());
            Put8(out, 0x26); Put8(out, 0x8b); Put8(out, 0x07);
            break;
        case 10: // inc word [bp+d]
            Put8(out, 0xff); Put8(out, 0x46); Put8(out, Local());
            break;
        case 11: // lea ax, [bp+d]; push ss; push ax
            Put8(out, 0x8d); Put8(out, 0x46); Put8(out, Local()); Put8(out, 0x16); Put8(out, 0x50);
            break;
        case 12: // jmp short
            Put8(out, 0xeb); Put8(out, 2 + prng.Below(60));
            break;
        case 13: // mov si, [bp+d]; mov bx, ax
            Put8(out, 0x8b); Put8(out, 0x76); Put8(out, Local()); Put8(out, 0x8b); Put8(out, 0xd8);
            break;
        case 14: // shl ax, 1; add ax, [bp+d]
            Put8(out, 0xd1); Put8(out, 0xe0); Put8(out, 0x03); Put8(out, 0x46); Put8(out, Local());
            break;
        case 15: // mov ah, n; int 21h
            Put8(out, 0xb4); Put8(out, prng.Pick({0x09, 0x3c, 0x3d, 0x3e, 0x3f, 0x40, 0x42, 0x4c}));
            Put8(out, 0xcd); Put8(out, 0x21);
            break;
        case 16: // cwd; idiv cx
            Put8(out, 0x99); Put8(out, 0xf7); Put8(out, 0xf9);
            break;
        default: // mov cx, n; rep movsw
            Put8(out, 0xb9); Put16(out, prng.Below(256)); Put8(out, 0xf3); Put8(out, 0xa5);
            break;
        }
    }

    Prng& prng;
    std::vector<FarTarget> farTargets;
    std::vector<std::uint16_t> nearTargets;
    std::vector<std::uint16_t> dataAddresses;
    std::vector<std::string> symbols;
};

enum class Chunk { Code, Strings, Table, Padding, ObjectRecords, HelpTopics };

struct StyleMix {
    std::vector<Chunk> chunks;
    std::vector<std::uint32_t> weights; // share of bytes, in per cent
};

const StyleMix& MixOf(BinaryStyle style)
{
    static const StyleMix program{{Chunk::Code, Chunk::Strings, Chunk::Table, Chunk::Padding}, {66, 16, 11, 7}};
    static const StyleMix library{{Chunk::ObjectRecords, Chunk::Code, Chunk::Strings, Chunk::Padding},
                                  {64, 20, 8, 8}};
    static const StyleMix help{{Chunk::HelpTopics, Chunk::Table, Chunk::Strings, Chunk::Padding}, {70, 16, 8, 6}};
    static const StyleMix data{{Chunk::Table, Chunk::Padding, Chunk::Code, Chunk::Strings}, {55, 20, 15, 10}};
    switch (style) {
    case BinaryStyle::Program: return program;
    case BinaryStyle::Library: return library;
    case BinaryStyle::Help: return help;
    default: return data;
    }
}

} // namespace

std::vector<std::uint8_t> GenerateBinary(BinaryStyle style, std::size_t size, double packedShare, Prng& prng)
{
    packedShare = std::clamp(packedShare, 0.0, 1.0);
    Synthesizer synthesizer(prng);
    const StyleMix& mix = MixOf(style);

    // Chunks are picked so that the packed bytes stay at packedShare of the bytes written so far: a
    // packed block whenever the share has fallen behind, otherwise a structured chunk of the style.
    Bytes out;
    out.reserve(size + 8192);
    std::size_t packedBytes = 0;
    while (out.size() < size) {
        std::size_t remaining = size - out.size();
        if (static_cast<double>(packedBytes) < packedShare * static_cast<double>(out.size() + 1)) {
            std::size_t length = std::min<std::size_t>(remaining, 512 + prng.Below(6144));
            synthesizer.Packed(out, length);
            packedBytes += length;
            continue;
        }
        std::size_t length = std::min<std::size_t>(remaining, 128 + prng.Below(3072));
        switch (mix.chunks[prng.Weighted(mix.weights)]) {
        case Chunk::Code: synthesizer.Code(out, length); break;
        case Chunk::Strings: synthesizer.Strings(out, length); break;
        case Chunk::Table: synthesizer.Table(out, length); break;
        case Chunk::Padding: synthesizer.Padding(out, std::min<std::size_t>(length, 16 + prng.Below(600))); break;
        case Chunk::ObjectRecords: synthesizer.ObjectRecords(out, length); break;
        case Chunk::HelpTopics: synthesizer.HelpTopics(out, length); break;
        }
    }
    out.resize(size);
    return out;
}

} // namespace payload
