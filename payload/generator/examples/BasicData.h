// Helpers for writing DATA statements into generated BASIC programs.
#pragma once

#include <string>
#include <vector>

namespace payload {

// text in double quotes, as a DATA or string item; text must not contain a quote.
std::string Quoted(const std::string& text);

// Appends "DATA a, b, c" lines holding the items in order, starting a new line before a line would grow
// past maxLength characters. Each line ends in "\n".
void AppendData(std::string& program, const std::vector<std::string>& items, std::size_t maxLength = 76);

// A number with the given count of decimals, without a leading zero (".5", "-.25") as BASIC lists them.
std::string Decimal(double value, int decimals);

} // namespace payload
