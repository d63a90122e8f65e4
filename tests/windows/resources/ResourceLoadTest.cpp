// The resources as Windows itself reads them: this program links the same resource object as
// Tarnwick, then loads icon 1 the way the toolkit does, reads its own version block through the
// version API and finds its manifest. The file-level check (./run) looks at the bytes; this one
// makes sure the system understands them.

#include "ui/Links.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const std::string& what)
{
    if (condition) {
        ++passed;
        std::printf("ok   %s\n", what.c_str());
    } else {
        ++failed;
        std::printf("FAIL %s\n", what.c_str());
    }
}

void IconLoadsAsThirtyTwoBitImage()
{
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    Check(icon != nullptr, "icon 1 loads");
    if (icon == nullptr) {
        return;
    }
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        Check(false, "icon 1 has bitmaps");
        return;
    }
    BITMAP colour{};
    const bool described = info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof colour, &colour) != 0;
    Check(described && colour.bmWidth == 32 && colour.bmHeight == 32 && colour.bmBitsPixel == 32,
          "icon 1 is a 32 x 32 colour image with 32 bits per pixel");
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
}

std::wstring OwnPath()
{
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    return std::wstring(buffer.data(), length < buffer.size() ? length : 0);
}

std::u16string Text(const wchar_t* text)
{
    return text == nullptr ? std::u16string() : std::u16string(text, text + wcslen(text));
}

void VersionBlockReadsBack()
{
    const std::wstring path = OwnPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    Check(size > 0, "the version block is found");
    if (size == 0) {
        return;
    }
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        Check(false, "the version block is read");
        return;
    }

    void* value = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(block.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO);
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    Check(hasFixed && fixed->dwSignature == 0xFEEF04BD && fixed->dwFileVersionMS == MAKELONG(1, 1) &&
              fixed->dwFileVersionLS == MAKELONG(193, 0) && fixed->dwProductVersionMS == MAKELONG(1, 1) &&
              fixed->dwProductVersionLS == MAKELONG(193, 0) && fixed->dwFileOS == VOS_NT_WINDOWS32 &&
              fixed->dwFileType == VFT_APP,
          "fixed part: file and product version 1.1.0.193, VOS_NT_WINDOWS32, VFT_APP");

    const bool hasTranslation =
        VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) && length == 4;
    const auto* translation = static_cast<const WORD*>(value);
    Check(hasTranslation && translation[0] == 0x0409 && translation[1] == 1200, "translation 0x0409, 1200");

    const struct {
        const wchar_t* key;
        std::u16string_view expected;
    } strings[] = {
        {L"ProductVersion", u"1.1"},
        {L"FileVersion", u"1.1"},
        {L"CompanyName", tarnwick::CompanyName},
        {L"LegalCopyright", tarnwick::CopyrightLine},
        {L"Website", tarnwick::MakerWebSite},
    };
    for (const auto& entry : strings) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + entry.key;
        const bool found = VerQueryValueW(block.data(), query.c_str(), &value, &length);
        Check(found && Text(static_cast<const wchar_t*>(value)) == entry.expected,
              "version string " + std::string(entry.key, entry.key + wcslen(entry.key)) + " reads back");
    }
}

void ManifestIsFound()
{
    const HRSRC found = FindResourceExW(nullptr, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1),
                                        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    const std::string_view manifest(bytes != nullptr ? bytes : "", bytes != nullptr ? SizeofResource(nullptr, found) : 0);
    Check(manifest.find("level=\"requireAdministrator\"") != std::string_view::npos,
          "manifest 1 (US English) asks for administrator rights");
}

} // namespace

int main()
{
    IconLoadsAsThirtyTwoBitImage();
    VersionBlockReadsBack();
    ManifestIsFound();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
