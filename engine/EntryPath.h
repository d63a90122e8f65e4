// Reading the stored names of archive entries as paths below a target folder.
#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// True when the name stays inside the target folder: not empty, no leading separator, no "..",
// no colon (drive letters, alternate data streams).
bool IsSafeEntryName(const std::u16string& name);

// The folders of a name's folder part, taken cumulatively, each ending in "\":
// "qb45\INC\ADVR_EX\CALL_EX.BAS" gives "qb45\", "qb45\INC\", "qb45\INC\ADVR_EX\". Both "\" and "/"
// separate fields (the zip reader turns the backslashes of archives made on DOS or Windows into
// slashes); the first empty field ends the list.
std::vector<std::u16string> FolderPrefixes(const std::u16string& name);

} // namespace tarnwick
