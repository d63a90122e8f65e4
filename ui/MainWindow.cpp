#include "ui/MainWindow.h"

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Frame.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/Shortcuts.h"
#include "toolkit/TextField.h"
#include "toolkit/Tooltip.h"
#include "toolkit/Window.h"

namespace tarnwick {

HWND MainWindow = nullptr;
HWND DosboxPathField = nullptr;
HWND DosboxBrowseButton = nullptr;
HWND DestinationField = nullptr;
HWND DestinationBrowseButton = nullptr;
HWND DosboxFrame = nullptr;
HWND DestinationFrame = nullptr;
HWND NextButton = nullptr;
HWND QuitButton = nullptr;
HWND DosboxPathLabel = nullptr;
HWND DestinationLabel = nullptr;
HWND InstallationLabel = nullptr;
HWND OptionsLabel = nullptr;
HWND PackagePanel = nullptr;
HWND Qb45CheckBox = nullptr;
HWND QbxCheckBox = nullptr;
HWND VbdosCheckBox = nullptr;
HWND Qb11CheckBox = nullptr;
HWND OptionPanel = nullptr;
HWND ShutDownCheckBox = nullptr;
HWND FullscreenCheckBox = nullptr;
HWND ExamplesCheckBox = nullptr;

namespace {

constexpr tk::Colour WindowGrey = tk::Rgb(225, 225, 225);
constexpr int KeyF1 = 112;

HWND GreyLabel(const tk::Rect& rect, const wchar_t* text) {
    HWND label = tk::Label::Create({rect, text});
    tk::SetColour(label, tk::ColourKind::Background, WindowGrey);
    return label;
}

HWND BrowseButton(const tk::Rect& rect) {
    HWND button = tk::Button::Create({rect, L"..."});
    tk::SetTooltip(button, L"Browse");
    return button;
}

} // namespace

int OpenMainWindow(int x, int y, int width, int height) {
    tk::WindowArgs window;
    window.rect = {x, y, width, height};
    window.title = L"Tarnwick";
    window.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    window.placement = tk::Placement::CentredOnScreen;
    MainWindow = tk::OpenWindow(window);
    tk::SetColour(MainWindow, tk::ColourKind::Background, WindowGrey);
    tk::BindShortcut(MainWindow, KeyF1, tk::NoModifier, MenuHelp);

    tk::CreateMenuBar(MainWindow);
    tk::AddMenuTitle(MainWindow, L"File");
    tk::AddMenuItem(MainWindow, MenuClose, L"Close");
    tk::AddMenuTitle(MainWindow, L"?");
    tk::AddMenuItem(MainWindow, MenuHelp, L"Help\tF1");
    tk::AddMenuItem(MainWindow, MenuAbout, L"About");

    DosboxPathField = tk::TextField::Create({{40, 50, 400, 20}, L""});
    DosboxBrowseButton = BrowseButton({450, 50, 30, 20});
    DestinationField = tk::TextField::Create({{40, 130, 400, 20}, L""});
    DestinationBrowseButton = BrowseButton({450, 130, 30, 20});
    DosboxFrame = tk::Frame::Create({{20, 20, 480, 70}, L""});
    DestinationFrame = tk::Frame::Create({{20, 100, 480, 70}, L""});
    NextButton = tk::Button::Create({{350, 340, 70, 30}, L"Next"});
    QuitButton = tk::Button::Create({{430, 340, 70, 30}, L"Quit"});
    DosboxPathLabel = GreyLabel({40, 30, 400, 20}, L"Path to DOSBox Executable:");
    DestinationLabel = GreyLabel({40, 110, 400, 20}, L"Path to BASIC Destination Folder:");
    InstallationLabel = GreyLabel({20, 200, 230, 20}, L"Installation:");
    OptionsLabel = GreyLabel({270, 200, 230, 20}, L"Options:");

    PackagePanel = tk::Panel::Create({{20, 220, 230, 100}});
    Qb45CheckBox = tk::CheckBox::Create({{10, 30, 200, 20}, L"QuickBASIC 4.5"});
    tk::SetCheckState(Qb45CheckBox, 1);
    QbxCheckBox = tk::CheckBox::Create({{10, 50, 200, 20}, L"QuickBASIC Extended 7.1"});
    VbdosCheckBox = tk::CheckBox::Create({{10, 70, 200, 20}, L"Visual Basic for DOS"});
    Qb11CheckBox = tk::CheckBox::Create({{10, 10, 200, 20}, L"QBASIC 1.1"});
    tk::ClosePanel();

    OptionPanel = tk::Panel::Create({{270, 220, 230, 100}});
    ShutDownCheckBox = tk::CheckBox::Create({{10, 10, 200, 20}, L"Shut down DOSBox when exiting"});
    FullscreenCheckBox = tk::CheckBox::Create({{10, 30, 200, 20}, L"Fullscreen Mode"});
    ExamplesCheckBox = tk::CheckBox::Create({{10, 70, 200, 20}, L"Copy Example Files"});
    tk::ClosePanel();
    return 0;
}

} // namespace tarnwick
