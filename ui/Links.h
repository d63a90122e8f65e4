// The program's fixed addresses and texts: who makes it, where the maker's pages are, and the
// copyright and licence wording. The resource script (resources/Tarnwick.rc) reads the macros below
// for the version block, so the file's properties and the About window name the same maker and page;
// C++ code uses the constants at the end of the file.
//
// The file is UTF-8. It must stay readable by the resource compiler's preprocessor: everything that
// is C++ only sits inside the RC_INVOKED guard.
#pragma once

// Maker and product.
#define TARNWICK_MAKER_NAME "Fenwold"
#define TARNWICK_COMPANY_NAME "Fenwold Software"
#define TARNWICK_PRODUCT_NAME "Tarnwick"
#define TARNWICK_PRODUCT_FULL_NAME "Tarnwick BASIC Installer for DOSBox"
#define TARNWICK_DESCRIPTION "Installs classic DOS BASIC environments for DOSBox"
#define TARNWICK_EXECUTABLE_NAME "Tarnwick.exe"

// Versions: the numeric version of the file and the short text shown in its string table.
#define TARNWICK_VERSION_MAJOR 1
#define TARNWICK_VERSION_MINOR 1
#define TARNWICK_VERSION_PATCH 0
#define TARNWICK_VERSION_BUILD 193
#define TARNWICK_VERSION_TEXT "1.1"

// Copyright. The notice of the About window ends in one blank because the maker's name follows it
// as a link on the same line; the copyright line of the version block names the company.
#define TARNWICK_COPYRIGHT_NOTICE "Copyright © 2026 "
#define TARNWICK_COPYRIGHT_LINE "Copyright © 2026 Fenwold Software"

// Web pages. The maker's site is also the Website entry of the version block.
#define TARNWICK_MAKER_WEBSITE "https://fenwold.example/tarnwick"
#define TARNWICK_DONATION_BUTTON_ID "FENWOLDTARNWK"
#define TARNWICK_DONATION_PAGE "https://www.paypal.com/donate/?hosted_button_id=" TARNWICK_DONATION_BUTTON_ID
#define TARNWICK_LICENSE_DEED_PAGE "https://creativecommons.org/licenses/by-nc-nd/4.0/"

// The licence sentence of the License window.
#define TARNWICK_LICENSE_SENTENCE                                                                       \
    "This work is licensed under the Creative Commons Attribution-NonCommercial-NoDerivatives 4.0 "     \
    "International License."

#ifndef RC_INVOKED

#include <string_view>

namespace tarnwick {

inline constexpr std::u16string_view MakerName = u"" TARNWICK_MAKER_NAME;
inline constexpr std::u16string_view CompanyName = u"" TARNWICK_COMPANY_NAME;
inline constexpr std::u16string_view ProductName = u"" TARNWICK_PRODUCT_NAME;
inline constexpr std::u16string_view ProductFullName = u"" TARNWICK_PRODUCT_FULL_NAME;

inline constexpr int VersionMajor = TARNWICK_VERSION_MAJOR;
inline constexpr int VersionMinor = TARNWICK_VERSION_MINOR;
inline constexpr int VersionPatch = TARNWICK_VERSION_PATCH;
inline constexpr int VersionBuild = TARNWICK_VERSION_BUILD;

inline constexpr std::u16string_view CopyrightNotice = u"" TARNWICK_COPYRIGHT_NOTICE;
inline constexpr std::u16string_view CopyrightLine = u"" TARNWICK_COPYRIGHT_LINE;

inline constexpr std::u16string_view MakerWebSite = u"" TARNWICK_MAKER_WEBSITE;
inline constexpr std::u16string_view DonationPage = u"" TARNWICK_DONATION_PAGE;
inline constexpr std::u16string_view LicenseDeedPage = u"" TARNWICK_LICENSE_DEED_PAGE;

inline constexpr std::u16string_view LicenseSentence = u"" TARNWICK_LICENSE_SENTENCE;

} // namespace tarnwick

#endif // RC_INVOKED
