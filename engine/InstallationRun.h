// The installation run: what the "Next" button does.
#pragma once

#include "engine/PackageCatalogue.h"
#include "engine/UserInterface.h"

#include <string>

namespace tarnwick {

// What the run reads from the main window, and the two focus moves and the final prompt it makes
// there. The main window implements it; a test host can drive a whole run without a window.
class InstallationHost : public UserInterface {
public:
    virtual std::u16string DosboxPath() = 0;
    virtual std::u16string DestinationText() = 0;
    virtual bool FullscreenMode() = 0;
    virtual bool ShutDownOnExit() = 0;
    virtual void FocusDosboxPathField() = 0;
    virtual void FocusDestinationField() = 0;
    // The final Yes/No prompt, centred over the main window; returns the button pressed.
    virtual int AskCentered(const std::u16string& title, const std::u16string& text, unsigned flags) = 0;
};

// Checks the two paths, unpacks every ticked package, makes the shared folders, copies the examples
// when ticked, writes each package's configuration file and shortcut, then asks whether to quit.
// Ends the program through the host on Yes and on a fatal extraction error.
void RunInstallation(PackageCatalogue& catalogue, InstallationHost& host);

} // namespace tarnwick
