#include "graphics/line_styles.h"

#include "core/text_exception.h"

s_LineStyleType Cpp_GraphicInit::styles_[Cpp_GraphicInit::kMaximumStyles];
int Cpp_GraphicInit::count_ = 0;

namespace {

s_LineStyleType Make(std::initializer_list<float> lengths) {
    s_LineStyleType s;
    int i = 0;
    for (float l : lengths) {
        s.length[i] = l;
        s.drawn[i] = (i % 2 == 0) ? 1 : 0;
        ++i;
    }
    s.count = static_cast<std::uint16_t>(i);
    return s;
}

}  // namespace

void Cpp_GraphicInit::InitializeLineStyles() {
    styles_[0] = s_LineStyleType{};
    styles_[1] = Make({0.1f, 0.05f});
    styles_[2] = Make({0.25f, 0.05f});
    styles_[3] = Make({0.5f, 0.05f});
    styles_[4] = Make({0.5f, 0.05f, 0.1f, 0.05f});
    styles_[5] = Make({0.5f, 0.05f, 0.1f, 0.05f, 0.1f, 0.05f});
    styles_[6] = Make({0.0f, 0.0f});
    styles_[7] = Make({0.5f, 0.05f, 0.02f, 0.05f});
    styles_[8] = Make({0.5f, 0.05f, 0.02f, 0.05f, 0.02f, 0.05f});
    count_ = 9;
}

s_LineStyleType Cpp_GraphicInit::LineStyle(int index) {
    if (count_ == 0) InitializeLineStyles();
    if (index < 1) return styles_[0];
    if (index >= count_)
        throw Cpp_TextException("Cpp_GraphicInit::LineStyle - Illegal line style index");
    return styles_[index];
}
