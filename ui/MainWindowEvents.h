// What the main window's menu items, buttons and check boxes do.
#pragma once

#include <windows.h>

namespace tarnwick {

// Handles one event of the main loop. Returns 0 for a close request, 1 for everything else.
int HandleMainWindowEvent(int kind);

// Copies the state of a package check box into its catalogue record.
void UpdatePackageSelection(HWND checkBox);

// The two pickers: each puts the chosen path into its field, or leaves the field alone when cancelled.
int BrowseForDosbox();
int BrowseForDestination();

} // namespace tarnwick
