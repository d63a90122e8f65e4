// The installer's main window: the DOSBox path and destination fields with their browse buttons, the
// package and option check boxes in two panels, "Next" and "Quit", and the menu bar.
#pragma once

#include <windows.h>

namespace tarnwick {

// Menu and shortcut ids of MainWindow.
constexpr int MenuClose = 0;
constexpr int MenuHelp = 1;
constexpr int MenuAbout = 2;
constexpr int ShortcutHelp = 1000;

// The window and its controls, in creation order. Null until OpenMainWindow has run; the toolkit owns
// them and destroys them at its shutdown.
extern HWND MainWindow;
extern HWND DosboxPathField;
extern HWND DosboxBrowseButton;
extern HWND DestinationField;
extern HWND DestinationBrowseButton;
extern HWND DosboxFrame;
extern HWND DestinationFrame;
extern HWND NextButton;
extern HWND QuitButton;
extern HWND DosboxPathLabel;
extern HWND DestinationLabel;
extern HWND InstallationLabel;
extern HWND OptionsLabel;
extern HWND PackagePanel;
extern HWND Qb45CheckBox;
extern HWND QbxCheckBox;
extern HWND VbdosCheckBox;
extern HWND Qb11CheckBox;
extern HWND OptionPanel;
extern HWND ShutDownCheckBox;
extern HWND FullscreenCheckBox;
extern HWND ExamplesCheckBox;

// Opens MainWindow centred on the screen with a client area of width x height (the menu bar not
// counted); x and y are replaced by the centred position. Binds F1 to MenuHelp, makes the menu bar and
// creates every control. Returns 0.
int OpenMainWindow(int x, int y, int width, int height);

} // namespace tarnwick
