#include "ui/AboutWindow.h"

#include "toolkit/Button.h"
#include "toolkit/Control.h"
#include "toolkit/Events.h"
#include "toolkit/Frame.h"
#include "toolkit/HyperLink.h"
#include "toolkit/ImageButton.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Tooltip.h"
#include "toolkit/Window.h"
#include "ui/AboutResources.h"
#include "ui/Links.h"
#include "ui/MainWindow.h"

#include <string_view>

namespace tarnwick {

HWND AboutWindow = nullptr;
HWND MakerLink = nullptr;
HWND LicenseButton = nullptr;
HWND DonateButton = nullptr;

namespace {

constexpr tk::Colour WindowGrey = tk::Rgb(225, 225, 225);
constexpr tk::Colour LinkColour = tk::Rgb(0, 0, 255);
constexpr tk::Colour LinkHoverColour = tk::Rgb(0, 0, 0);

std::wstring_view Wide(std::u16string_view text) {
    return std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

// A label on the window's grey: created, given the grey background, then its font.
void GreyLabel(const tk::Rect& rect, std::wstring_view text, tk::TextAlign align, HFONT font) {
    HWND label = tk::Label::Create({rect, text, align});
    tk::SetColour(label, tk::ColourKind::Background, WindowGrey);
    tk::SetFont(label, font);
}

} // namespace

int BuildAboutWindow(int x, int y, int width, int height) {
    tk::WindowArgs window;
    window.rect = {x, y, width, height};
    window.title = L"About";
    window.style = WS_CAPTION | WS_SYSMENU;
    window.placement = tk::Placement::CentredOnOwner;
    window.owner = MainWindow;
    AboutWindow = tk::OpenWindow(window);
    tk::SetColour(AboutWindow, tk::ColourKind::Background, WindowGrey);

    GreyLabel({240, 20, 270, 30}, Wide(ProductName), tk::TextAlign::Centre, TitleFont);
    GreyLabel({270, 90, 130, 20}, Wide(CopyrightNotice), tk::TextAlign::Right, TextFont);

    MakerLink = tk::HyperLink::Create({{400, 90, 70, 20}, Wide(MakerName), LinkHoverColour, true});
    tk::SetColour(MakerLink, tk::ColourKind::Text, LinkColour);
    tk::SetColour(MakerLink, tk::ColourKind::Background, WindowGrey);
    tk::SetFont(MakerLink, TextFont);

    tk::Frame::Create({{220, 10, 320, 50}, L""});
    GreyLabel({270, 70, 230, 20}, VersionString, tk::TextAlign::Centre, TextFont);
    LicenseButton = tk::Button::Create({{310, 130, 150, 30}, L"License Agreement"});
    GreyLabel({20, 190, 280, 20}, L"This Program is Freeware.", tk::TextAlign::Centre, TextFont);
    GreyLabel({20, 210, 280, 20}, L"However, if you find this software useful,", tk::TextAlign::Centre, TextFont);
    GreyLabel({20, 230, 280, 20}, L"feel free to donate a small amount.", tk::TextAlign::Centre, TextFont);
    return 0;
}

int AboutWindowEvent(int kind) {
    switch (kind) {
    case tk::CloseWindowEvent:
        return 0;
    case tk::MenuEvent:
        tk::EventMenu(); // the main window's menu and shortcuts do nothing while this window is open
        return 1;
    case tk::ControlEvent: {
        const HWND control = tk::EventControl();
        if (control == MakerLink) {
            OpenWebLink();
        } else if (control == LicenseButton) {
            ShowLicenseWindow();
        }
        return 1;
    }
    default:
        return 1;
    }
}

int ShowAboutWindow() {
    BuildAboutWindow(0, 0, 550, 270);
    tk::PictureBox::Create({{10, 20, 200, 149}, AboutPicture});
    DonateButton = tk::ImageButton::Create({{310, 190, 150, 50}, DonationPicture});
    tk::SetTooltip(DonateButton, L"Click here to make a Donation");

    tk::ActivateWindow(AboutWindow);
    tk::SetWindowEnabled(MainWindow, false);

    for (;;) {
        const int kind = tk::WaitEvent();
        if (kind == tk::ControlEvent && tk::EventControl() == DonateButton) {
            OpenWebLink();
            continue;
        }
        if (AboutWindowEvent(kind) == 0)
            break;
    }

    tk::ActivateWindow(MainWindow);
    tk::SetWindowEnabled(MainWindow, true);
    tk::DisposeWindow(AboutWindow);
    return 0;
}

} // namespace tarnwick
