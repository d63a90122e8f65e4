// What the About and License windows show that is made once at start-up and kept until the end: the
// version text, two fonts and three pictures decoded from the payload.
#pragma once

#include <windows.h>

#include <string>

namespace tarnwick {

extern std::wstring VersionString; // "Version: 1.1.0.193"
extern HFONT TitleFont;            // Tahoma 16 points bold
extern HFONT TextFont;             // Tahoma 10 points
extern HBITMAP LicenseBadge;       // 88 × 31
extern HBITMAP AboutPicture;       // 200 × 149
extern HBITMAP DonationPicture;    // 150 × 50

void BuildVersionString();
// TitleFont, then TextFont; a font that cannot be made stays null.
void CreateAboutFonts();
void DecodeLicenseBadge();
// AboutPicture, then DonationPicture; a picture that cannot be decoded stays null.
void DecodeAboutPictures();

} // namespace tarnwick
