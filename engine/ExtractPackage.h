// Unpacking one embedded archive onto disk.
#pragma once

#include "engine/PackageCatalogue.h"
#include "engine/UserInterface.h"

#include <string>

namespace tarnwick {

// What one extraction could not do, for the installation run's final report.
struct ExtractionReport {
    int entriesFailed = 0; // entries skipped: damaged, unsafe names, targets that could not be written
    bool walkCut = false;  // a damaged entry header ended the walk before the end of the archive
};

// Unpacks the catalogue's current archive below targetFolder (an existing folder ending in one "\").
// The archive is written to targetFolder + key as a temporary file, read back with the zip reader and
// deleted. When the temporary file cannot be created or opened as an archive, the user is told and
// the program ends through ui.EndProgram(). Returns 0.
int ExtractPackage(PackageCatalogue& catalogue, const std::u16string& targetFolder, UserInterface& ui,
                   ExtractionReport* report = nullptr);

} // namespace tarnwick
