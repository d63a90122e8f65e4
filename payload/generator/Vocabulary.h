// Word lists shared by the generators of program text, messages and help topics.
#pragma once

#include <string>
#include <vector>

namespace payload {

// Plain English words of the kind found in program messages and manuals, lower case.
const std::vector<std::string>& CommonWords();

// Keywords of the BASIC language as QBasic spells them, upper case.
const std::vector<std::string>& BasicKeywords();

// Short fragments for variable, procedure and symbol names, capitalised ("Count", "Row", "Buffer").
const std::vector<std::string>& NameParts();

} // namespace payload
