#include "ui/AboutWindow.h"

#include "toolkit/Events.h"
#include "ui/Links.h"
#include "ui/ShellOpen.h"

namespace tarnwick {

int OpenWebLink() {
    const HWND control = tk::EventControl();
    if (control == MakerLink) {
        OpenWithShell(MakerWebSite);
    } else if (control == DonateButton) {
        OpenWithShell(DonationPage);
    } else if (control == BadgeButton) {
        OpenWithShell(LicenseDeedPage);
    }
    return 0;
}

} // namespace tarnwick
