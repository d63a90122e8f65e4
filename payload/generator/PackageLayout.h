// What goes into each of the four package archives: the member names, what kind of file each one is,
// and how large, plus the sizes that the archive as a whole has to reach.
#pragma once

#include "ZipWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace payload {

enum class EntryKind {
    Launcher,    // the program that the DOSBox configuration starts
    Program,     // another executable, a stand-in stub followed by program-like bytes
    Library,     // .LIB, .OBJ, .QLB
    Help,        // .HLP
    Data,        // other binary files
    BasicSource, // .BAS
    BasicInclude,// .BI, .INC
    Document,    // .DOC, .TXT, .LST, .INI
};

struct PlannedEntry {
    std::string name; // full member name, "qb45\INC\DEMO1.BAS"
    EntryKind kind;
    std::uint32_t size;
};

struct ArchivePlan {
    std::string fileName;        // "qb45_pb.zip"
    std::string folderName;      // "qb45"
    std::uint32_t packedTarget;  // size of the archive file to aim at
    std::uint32_t unpackedTarget;// sum of the member sizes, met exactly
    DosTimestamp timestamp;      // stamped on every member
    std::string banner;          // what the launcher prints
    std::string markerPath;      // the file that the launcher creates
    std::uint32_t seed;
    std::vector<PlannedEntry> entries; // in archive order
};

// The plans for "qb11_pb.zip", "qb45_pb.zip", "qbx_pb.zip" and "vbdos_pb.zip", in that order. Member
// sizes are final: they add up to unpackedTarget, the launcher's size is the size of its program.
std::vector<ArchivePlan> PackageArchivePlans();

} // namespace payload
