#include "dialogs/nail_layout_form.h"

#include <cmath>

namespace dialogs {

s_NailLayoutFieldStates NailLayoutFieldStates(const s_NailLayoutPage& page) {
    s_NailLayoutFieldStates s;
    const bool typed = page.nailType > 0;
    s.face = s.sameAsVertical = s.option = typed;
    s.number = s.topY = s.topDistance = s.bottomY = s.bottomDistance = s.verticalSpacing = typed;
    s.length = s.inclination = typed;
    s.horizontalSpacing = typed && !page.sameAsVertical;
    if (!typed) return s;
    switch (page.option) {
    case Cpp_NailLayout::ByTopCountSpacing: s.bottomY = s.bottomDistance = false; break;
    case Cpp_NailLayout::ByBottomCountSpacing: s.topY = s.topDistance = false; break;
    case Cpp_NailLayout::ByTopBottomCount: s.verticalSpacing = false; break;
    case Cpp_NailLayout::ByTopBottomSpacing: s.number = false; break;
    default: break;
    }
    return s;
}

e_NailLayoutLeave CheckNailLayoutPage(const s_NailLayoutPage& page, s_NailCountChoice& choice) {
    if (page.nailType <= 0 || page.option != Cpp_NailLayout::ByTopBottomSpacing)
        return e_NailLayoutLeave::Leave;
    if (!(page.verticalSpacing > 0.0)) return e_NailLayoutLeave::SpacingRefused;
    const double h = (page.topY - page.topDistance) - (page.bottomY + page.bottomDistance);
    const double n = h / page.verticalSpacing + 1.0;
    // A count that misses a whole number only by rounding passes as that number.
    if (std::abs(n - std::round(n)) <= 1e-9) return e_NailLayoutLeave::Leave;
    const double whole = std::floor(n);
    if (n - whole <= 0.01) return e_NailLayoutLeave::Leave;
    choice.fewer = static_cast<int>(whole);
    choice.more = choice.fewer + 1;
    choice.height = h;
    return e_NailLayoutLeave::CountAsked;
}

void ApplyNailCount(s_NailLayoutPage& page, const s_NailCountChoice& choice, int count) {
    page.numberOfNails = count;
    page.verticalSpacing = count >= 2 ? choice.height / (count - 1) : 0.0;
}

}  // namespace dialogs
