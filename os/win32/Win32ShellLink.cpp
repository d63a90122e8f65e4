// The Shell Link object through COM: IShellLinkW for the fields, IPersistFile to save.
#include "os/ShellLink.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

namespace tarnwick::os {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Owns one reference to a COM interface and releases it when destroyed.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : pointer(other.pointer) { other.pointer = nullptr; }
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            pointer = other.pointer;
            other.pointer = nullptr;
        }
        return *this;
    }

    Interface* operator->() const { return pointer; }
    void** Out()
    {
        Reset();
        return reinterpret_cast<void**>(&pointer);
    }
    void Reset()
    {
        if (pointer) {
            pointer->Release();
            pointer = nullptr;
        }
    }

private:
    Interface* pointer = nullptr;
};

// CoInitialize on construction, CoUninitialize on destruction: the pair stays balanced on every path,
// also when the thread had COM initialised already (the call then only counts up).
class ComScope {
public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

} // namespace

int SaveShellLink(const ShellLink& link, const std::u16string& linkPath, bool* saved)
{
    if (saved)
        *saved = false;
    int result = 0;
    ComScope com;
    {
        ComRef<IShellLinkW> shellLink;
        if (CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.Out()) != S_OK)
            return result;
        // The system refuses values it cannot take; such a value simply does not reach the link.
        shellLink->SetPath(Wide(link.targetPath));
        shellLink->SetArguments(Wide(link.arguments));
        shellLink->SetWorkingDirectory(Wide(link.workingDirectory));
        shellLink->SetDescription(Wide(link.description));
        shellLink->SetShowCmd(link.showCommand);
        shellLink->SetHotkey(static_cast<WORD>(link.hotkey));
        shellLink->SetIconLocation(Wide(link.iconFile), link.iconIndex);

        ComRef<IPersistFile> file;
        if (shellLink->QueryInterface(IID_IPersistFile, file.Out()) == S_OK) {
            const HRESULT save = file->Save(Wide(linkPath), TRUE);
            if (saved)
                *saved = SUCCEEDED(save);
            result = 1;
        }
    } // both interfaces are released before COM is uninitialised
    return result;
}

} // namespace tarnwick::os
