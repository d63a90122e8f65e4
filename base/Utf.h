// Conversions between the program's UTF-16 text and UTF-8 (configuration files, POSIX paths,
// libarchive's entry names).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Empty result when the bytes are not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

} // namespace tarnwick
