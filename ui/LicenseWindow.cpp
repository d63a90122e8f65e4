#include "ui/AboutWindow.h"

#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/ImageButton.h"
#include "toolkit/Label.h"
#include "toolkit/Tooltip.h"
#include "toolkit/Window.h"
#include "ui/AboutResources.h"
#include "ui/Links.h"

#include <string_view>

namespace tarnwick {

HWND LicenseWindow = nullptr;
HWND LicenseText = nullptr;
HWND BadgeButton = nullptr;

int BuildLicenseWindow(int x, int y, int width, int height) {
    tk::WindowArgs window;
    window.rect = {x, y, width, height};
    window.title = L"License Agreement";
    window.style = WS_CAPTION | WS_SYSMENU;
    window.placement = tk::Placement::CentredOnOwner;
    window.owner = AboutWindow;
    LicenseWindow = tk::OpenWindow(window);

    LicenseText = tk::Label::Create({{40, 70, 320, 40}, L"Text", tk::TextAlign::Centre});
    BadgeButton = tk::ImageButton::Create({{160, 130, 88, 31}, LicenseBadge});
    tk::SetTooltip(BadgeButton, L"Click here for Details");
    return 0;
}

int LicenseWindowEvent(int kind) {
    switch (kind) {
    case tk::CloseWindowEvent:
        return 0;
    case tk::MenuEvent:
        tk::EventMenu(); // menus and shortcuts of the windows below do nothing here
        return 1;
    case tk::ControlEvent:
        if (tk::EventControl() == BadgeButton)
            OpenWebLink();
        return 1;
    default:
        return 1;
    }
}

int ShowLicenseWindow() {
    BuildLicenseWindow(0, 0, 420, 240);
    tk::SetText(LicenseText, std::wstring_view(reinterpret_cast<const wchar_t*>(LicenseSentence.data()),
                                               LicenseSentence.size()));

    tk::ActivateWindow(LicenseWindow);
    tk::SetWindowEnabled(AboutWindow, false);

    // The License loop: every event of the process comes here until a close request.
    while (LicenseWindowEvent(tk::WaitEvent()) != 0) {
    }

    tk::ActivateWindow(AboutWindow);
    tk::SetWindowEnabled(AboutWindow, true);
    tk::DisposeWindow(LicenseWindow);
    return 0;
}

} // namespace tarnwick
