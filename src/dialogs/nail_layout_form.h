#pragma once
// The rules of one page of the nail layout sheet, without a window: which fields a page enables
// and what leaving a page laid out "By top and bottom elevation and vertical spacing" asks.

#include "loads/nail_layout.h"

namespace dialogs {

struct s_NailLayoutFieldStates {
    bool face = false;
    bool sameAsVertical = false;
    bool option = false;
    bool horizontalSpacing = false;
    bool number = false;
    bool topY = false;
    bool topDistance = false;
    bool bottomY = false;
    bool bottomDistance = false;
    bool verticalSpacing = false;
    bool length = false;
    bool inclination = false;
};

// A page without a nail type greys everything but the type; with one, the option decides which
// of count, elevations, distances and spacing are entered.
s_NailLayoutFieldStates NailLayoutFieldStates(const s_NailLayoutPage& page);

enum class e_NailLayoutLeave {
    Leave,           // the page may be left
    SpacingRefused,  // "Error - Vertical spacing not allowed"
    CountAsked,      // the spacing gives no whole number of nails: ask for one
};

// The two whole numbers of nails offered when the spacing fits none, and the height they span.
struct s_NailCountChoice {
    int fewer = 0;
    int more = 0;
    double height = 0.0;
};

e_NailLayoutLeave CheckNailLayoutPage(const s_NailLayoutPage& page, s_NailCountChoice& choice);
// The chosen count and the spacing that fits it (0 for fewer than two nails).
void ApplyNailCount(s_NailLayoutPage& page, const s_NailCountChoice& choice, int count);

}  // namespace dialogs
