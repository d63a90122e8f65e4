// A small checker for the Windows test programs of this folder: counts checks, prints each failure with
// its group, and ends with the line "N passed, N failed".
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace checks {

inline std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

inline std::string Show(const std::wstring& value) { return "\"" + Utf8(value) + "\""; }
inline std::string Show(const std::string& value) { return "\"" + value + "\""; }
inline std::string Show(const wchar_t* value) { return Show(std::wstring(value)); }
inline std::string Show(const char* value) { return Show(std::string(value)); }
inline std::string Show(long long value) { return std::to_string(value); }
inline std::string Show(long value) { return std::to_string(value); }
inline std::string Show(int value) { return std::to_string(value); }
inline std::string Show(unsigned long value) { return std::to_string(value); }
inline std::string Show(unsigned value) { return std::to_string(value); }
inline std::string Show(unsigned long long value) { return std::to_string(value); }
inline std::string Show(bool value) { return value ? "true" : "false"; }
inline std::string Show(const std::vector<int>& values) {
    std::string text = "{";
    for (size_t index = 0; index < values.size(); ++index) {
        text += (index ? "," : "") + std::to_string(values[index]);
    }
    return text + "}";
}
inline std::string Show(const void* value) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", value);
    return text;
}

class Checker {
public:
    void Group(const std::string& name) { group = name; }

    bool Expect(bool condition, const std::string& what) {
        if (condition) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAIL [%s] %s\n", group.c_str(), what.c_str());
            std::fflush(stdout);
        }
        return condition;
    }

    template <typename Actual, typename Expected>
    bool Equal(const Actual& actual, const Expected& expected, const std::string& what) {
        return Expect(actual == expected, what + ": got " + Show(actual) + ", expected " + Show(expected));
    }

    int Failed() const { return failed; }

    // Prints the closing line and gives the exit code.
    int Finish() const {
        std::printf("%d passed, %d failed\n", passed, failed);
        std::fflush(stdout);
        return failed == 0 ? 0 : 1;
    }

private:
    std::string group;
    int passed = 0;
    int failed = 0;
};

} // namespace checks
