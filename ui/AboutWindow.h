// The About window and the License window it opens, each with a nested event loop of its own.
#pragma once

#include <windows.h>

namespace tarnwick {

extern HWND AboutWindow;
extern HWND MakerLink;
extern HWND LicenseButton;
extern HWND DonateButton;
extern HWND LicenseWindow;
extern HWND LicenseText;
extern HWND BadgeButton;

// Opens the About window over the main window, disables the main window, runs the About loop until a
// close request, then activates and enables the main window and closes the About window. Returns 0.
int ShowAboutWindow();
int BuildAboutWindow(int x, int y, int width, int height);
int AboutWindowEvent(int kind);

int ShowLicenseWindow();
int BuildLicenseWindow(int x, int y, int width, int height);
int LicenseWindowEvent(int kind);

// Hands the page of the control that raised the current event to the shell.
int OpenWebLink();

} // namespace tarnwick
