#include "ui/AboutWindow.h"

namespace tarnwick {

HWND AboutWindow = nullptr;
HWND MakerLink = nullptr;
HWND LicenseButton = nullptr;
HWND DonateButton = nullptr;
HWND LicenseWindow = nullptr;
HWND LicenseText = nullptr;
HWND BadgeButton = nullptr;

int ShowAboutWindow() { return 0; }

} // namespace tarnwick
