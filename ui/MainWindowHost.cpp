#include "ui/MainWindowHost.h"

#include "toolkit/CheckBox.h"
#include "toolkit/Control.h"
#include "toolkit/MessageBox.h"
#include "ui/CenteredMessageBox.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

std::u16string FromWide(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

std::wstring_view Wide(const std::u16string& text)
{
    return std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

} // namespace

std::u16string MainWindowHost::DosboxPath() { return FromWide(tk::GetText(DosboxPathField)); }
std::u16string MainWindowHost::DestinationText() { return FromWide(tk::GetText(DestinationField)); }
bool MainWindowHost::FullscreenMode() { return tk::GetCheckState(FullscreenCheckBox) == 1; }
bool MainWindowHost::ShutDownOnExit() { return tk::GetCheckState(ShutDownCheckBox) == 1; }
void MainWindowHost::FocusDosboxPathField() { tk::FocusControl(DosboxPathField); }
void MainWindowHost::FocusDestinationField() { tk::FocusControl(DestinationField); }

int MainWindowHost::ShowMessageBox(const std::u16string& title, const std::u16string& text, unsigned flags)
{
    return tk::ShowMessageBox(Wide(title), Wide(text), flags);
}

int MainWindowHost::AskCentered(const std::u16string& title, const std::u16string& text, unsigned flags)
{
    CenterTargetWindow = MainWindow;
    return CenteredMessageBox(Wide(title), Wide(text), flags);
}

void MainWindowHost::EndProgram() { tarnwick::EndProgram(); }

} // namespace tarnwick
