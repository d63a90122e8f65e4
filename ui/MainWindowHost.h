// The main window as the installation run sees it: its fields and options, focus moves, message boxes,
// the centred final prompt and the end of the program.
#pragma once

#include "engine/InstallationRun.h"

namespace tarnwick {

class MainWindowHost : public InstallationHost {
public:
    std::u16string DosboxPath() override;
    std::u16string DestinationText() override;
    bool FullscreenMode() override;
    bool ShutDownOnExit() override;
    void FocusDosboxPathField() override;
    void FocusDestinationField() override;
    int ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags) override;
    int AskCentered(const std::u16string& title, const std::u16string& text, unsigned flags) override;
    [[noreturn]] void EndProgram() override;
};

} // namespace tarnwick
