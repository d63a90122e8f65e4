#include "ui/AboutResources.h"

#include "payload/Payload.h"
#include "toolkit/Font.h"
#include "toolkit/Pictures.h"
#include "ui/Links.h"

namespace tarnwick {

std::wstring VersionString;
HFONT TitleFont = nullptr;
HFONT TextFont = nullptr;
HBITMAP LicenseBadge = nullptr;
HBITMAP AboutPicture = nullptr;
HBITMAP DonationPicture = nullptr;

namespace {

HBITMAP Decode(const payload::Block& block) { return tk::LoadPicture(block.data, static_cast<size_t>(block.size)); }

} // namespace

void BuildVersionString() { VersionString = L"Version: 1.1.0." + std::to_wstring(VersionBuild); }

void CreateAboutFonts()
{
    TitleFont = tk::LoadFont(L"Tahoma", 16, FW_BOLD);
    TextFont = tk::LoadFont(L"Tahoma", 10, FW_NORMAL);
}

void DecodeLicenseBadge() { LicenseBadge = Decode(payload::LicenseBadgePicture()); }

void DecodeAboutPictures()
{
    AboutPicture = Decode(payload::AboutPicture());
    DonationPicture = Decode(payload::DonationPicture());
}

} // namespace tarnwick
