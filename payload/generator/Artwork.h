// The three pictures of the About and License windows, drawn in code.
#pragma once

#include "Canvas.h"

namespace payload {

// 88 x 31: the licence badge, a "cc" emblem, three pictograms (attribution, non-commercial, no
// derivatives) and a strip reading BY-NC-ND.
Canvas DrawLicenseBadge();

// 200 x 149: the maker's logo, a mountain tarn at dusk under the name, with edges that fade out.
Canvas DrawAboutPicture();

// 150 x 50: a golden "Donate" button with three payment cards below it, on a transparent background.
Canvas DrawDonateButton();

} // namespace payload
