// Tiny DOS programs in the flat COM format: no header, loaded by DOS at offset 100h of a fresh segment
// with CS = DS = ES = SS, and started at that offset. The machine code is assembled by hand in
// DosProgram.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace payload {

// The program that a package's DOSBox configuration starts. It prints banner and a line break, creates
// the file markerPath (for example "D:\QB45.RAN") and exits with return code 0. When the file cannot be
// created it prints a message naming the file and exits with return code 1.
// banner and markerPath must be printable ASCII without '$'.
std::vector<std::uint8_t> BuildLauncherProgram(const std::string& banner, const std::string& markerPath);

// A stub that prints message and a line break and exits with return code 0. The bytes of the file that
// follow the stub are never executed, so a generated program body can be appended to it; DOS loads at
// most the first 64 KiB less 256 bytes of a COM file.
std::vector<std::uint8_t> BuildPlaceholderStub(const std::string& message);

} // namespace payload
