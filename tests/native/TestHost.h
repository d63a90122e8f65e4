// A stand-in for the program's windows: records message boxes and turns the end of the program into
// an exception the test can catch, so that what the engine left on disk can be examined afterwards.
#pragma once

#include "engine/UserInterface.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::testing {

struct ProgramEnded {};

class RecordingUi : public UserInterface {
public:
    struct Box {
        std::u16string title;
        std::u16string text;
        unsigned flags;
    };
    std::vector<Box> boxes;

    int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) override
    {
        boxes.push_back({title, text, flags});
        return 1; // IDOK
    }

    [[noreturn]] void EndProgram() override { throw ProgramEnded {}; }
};

// A fresh empty folder below the system's temporary folder, removed again at the end of the test.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    // The folder as the engine takes it: ending in one backslash.
    std::u16string Target() const;

private:
    std::filesystem::path path;
};

// Keeps a file from being replaced or deleted while it lives. On POSIX the file loses its write
// permission, which the POSIX side of the OS seam treats as the read-only attribute. On Windows the file
// is held open without sharing, as another program locking it would: Wine lets an administrator replace
// read-only files, so the attribute alone shows nothing there.
class Unreplaceable {
public:
    explicit Unreplaceable(const std::filesystem::path& file);
    ~Unreplaceable();
    Unreplaceable(const Unreplaceable&) = delete;
    Unreplaceable& operator=(const Unreplaceable&) = delete;

private:
    std::filesystem::path file;
    void* handle = nullptr;
};

std::u16string ToU16(const std::string& text);
std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& content);
// All regular files below a folder, as relative paths with "/".
std::vector<std::string> FilesBelow(const std::filesystem::path& folder);

} // namespace tarnwick::testing
