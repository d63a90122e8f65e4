// One archive that Tarnwick can install, as the package catalogue holds it.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

struct InstallPackage {
    const unsigned char* archiveData = nullptr; // first byte of the archive in the payload; never freed
    std::int32_t archiveSize = 0;               // exact length of the archive in bytes
    std::u16string folderName;                  // the archive's single top folder
    std::u16string startDirectory;              // directory below drive C that DOSBox changes into; may be empty
    std::u16string launchCommand;               // DOS command that starts the package
    std::int32_t selected = 0;                  // 1 when the package is to be installed
};

} // namespace tarnwick
