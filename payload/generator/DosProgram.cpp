#include "DosProgram.h"

#include <initializer_list>
#include <stdexcept>

namespace payload {
namespace {

constexpr std::uint16_t LoadOffset = 0x100; // COM programs start at CS:0100h, right after the PSP

void CheckDosText(const std::string& text)
{
    for (char c : text) {
        if (c < 0x20 || c > 0x7e || c == '$') {
            throw std::runtime_error("text for a DOS program must be printable ASCII without '$': " + text);
        }
    }
}

void Emit(std::vector<std::uint8_t>& out, std::initializer_list<std::uint8_t> bytes)
{
    for (std::uint8_t byte : bytes) {
        out.push_back(byte);
    }
}

std::uint8_t Low(std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xff); }
std::uint8_t High(std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); }

void AppendText(std::vector<std::uint8_t>& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

} // namespace

std::vector<std::uint8_t> BuildLauncherProgram(const std::string& banner, const std::string& markerPath)
{
    CheckDosText(banner);
    CheckDosText(markerPath);
    if (markerPath.empty()) {
        throw std::runtime_error("marker path must not be empty");
    }

    // Data follows the code: the banner ending in CR LF '$', the marker path ending in NUL, and the
    // failure message ending in CR LF '$'.
    constexpr std::uint16_t CodeSize = 0x29;
    const std::uint16_t bannerAddress = LoadOffset + CodeSize;
    const std::uint16_t markerAddress = static_cast<std::uint16_t>(bannerAddress + banner.size() + 3);
    const std::uint16_t failureAddress = static_cast<std::uint16_t>(markerAddress + markerPath.size() + 1);
    const std::uint8_t failureJump = 0x0b; // from 0112h (after the JC) to 011Dh (failed:)

    std::vector<std::uint8_t> image;
    Emit(image, {0xba, Low(bannerAddress), High(bannerAddress)});   // 0100  mov dx, banner
    Emit(image, {0xb4, 0x09});                                     // 0103  mov ah, 09h     ; write $-string
    Emit(image, {0xcd, 0x21});                                     // 0105  int 21h
    Emit(image, {0xba, Low(markerAddress), High(markerAddress)});   // 0107  mov dx, marker  ; ASCIIZ path
    Emit(image, {0x31, 0xc9});                                     // 010A  xor cx, cx      ; normal attributes
    Emit(image, {0xb4, 0x3c});                                     // 010C  mov ah, 3Ch     ; create file
    Emit(image, {0xcd, 0x21});                                     // 010E  int 21h
    Emit(image, {0x72, failureJump});                              // 0110  jc failed       ; CF=1: not created
    Emit(image, {0x89, 0xc3});                                     // 0112  mov bx, ax      ; BX = handle
    Emit(image, {0xb4, 0x3e});                                     // 0114  mov ah, 3Eh     ; close handle
    Emit(image, {0xcd, 0x21});                                     // 0116  int 21h
    Emit(image, {0xb8, 0x00, 0x4c});                               // 0118  mov ax, 4C00h   ; exit, code 0
    Emit(image, {0xcd, 0x21});                                     // 011B  int 21h
    Emit(image, {0xba, Low(failureAddress), High(failureAddress)}); // 011D  failed: mov dx, failure
    Emit(image, {0xb4, 0x09});                                     // 0120  mov ah, 09h     ; write $-string
    Emit(image, {0xcd, 0x21});                                     // 0122  int 21h
    Emit(image, {0xb8, 0x01, 0x4c});                               // 0124  mov ax, 4C01h   ; exit, code 1
    Emit(image, {0xcd, 0x21});                                     // 0127  int 21h
    if (image.size() != CodeSize) {
        throw std::logic_error("launcher code size changed; update CodeSize and the jump");
    }

    AppendText(image, banner);
    Emit(image, {0x0d, 0x0a, '$'});
    AppendText(image, markerPath);
    Emit(image, {0x00});
    AppendText(image, "Cannot create " + markerPath);
    Emit(image, {0x0d, 0x0a, '$'});
    return image;
}

std::vector<std::uint8_t> BuildPlaceholderStub(const std::string& message)
{
    CheckDosText(message);

    constexpr std::uint16_t CodeSize = 0x0c;
    const std::uint16_t messageAddress = LoadOffset + CodeSize;

    std::vector<std::uint8_t> image;
    Emit(image, {0xba, Low(messageAddress), High(messageAddress)}); // 0100  mov dx, message
    Emit(image, {0xb4, 0x09});                                     // 0103  mov ah, 09h     ; write $-string
    Emit(image, {0xcd, 0x21});                                     // 0105  int 21h
    Emit(image, {0xb8, 0x00, 0x4c});                               // 0107  mov ax, 4C00h   ; exit, code 0
    Emit(image, {0xcd, 0x21});                                     // 010A  int 21h
    if (image.size() != CodeSize) {
        throw std::logic_error("stub code size changed; update CodeSize");
    }

    AppendText(image, message);
    Emit(image, {0x0d, 0x0a, '$'});
    return image;
}

} // namespace payload
