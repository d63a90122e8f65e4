#include "BasicData.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace payload {

std::string Quoted(const std::string& text)
{
    if (text.find('"') != std::string::npos) {
        throw std::invalid_argument("a BASIC string cannot hold a quote: " + text);
    }
    return "\"" + text + "\"";
}

void AppendData(std::string& program, const std::vector<std::string>& items, std::size_t maxLength)
{
    std::string line;
    for (const std::string& item : items) {
        if (!line.empty() && line.size() + 2 + item.size() > maxLength) {
            program += line + "\n";
            line.clear();
        }
        line += line.empty() ? "DATA " + item : ", " + item;
    }
    if (!line.empty()) {
        program += line + "\n";
    }
}

std::string Decimal(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (std::strtod(buffer, nullptr) == 0.0) {
        return "0";
    }
    if (text.rfind("0.", 0) == 0) {
        text.erase(0, 1);
    } else if (text.rfind("-0.", 0) == 0) {
        text.erase(1, 1);
    }
    return text;
}

} // namespace payload
