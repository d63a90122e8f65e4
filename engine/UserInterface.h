// What the engine asks of the user interface: a message box and the end of the program.
// The program's windows implement it; test hosts implement it to watch the engine.
#pragma once

#include <string>

namespace tarnwick {

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal message box with Win32 message-box flags; returns the button pressed.
    virtual int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) = 0;

    // Shuts everything down and ends the process with exit code 0. Never returns.
    [[noreturn]] virtual void EndProgram() = 0;
};

} // namespace tarnwick
