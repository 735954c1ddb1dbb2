#include "graphics/list_item.h"

void Cpp_ListItem::SetDescription(std::string_view text) {
    if (text.empty()) {
        description_.reset();
        return;
    }
    const size_t end = text.find_last_not_of(' ');
    description_ =
        end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

const std::string& Cpp_ListItem::Description() const {
    static const std::string empty;
    return description_ ? *description_ : empty;
}

bool Cpp_ListItem::DescriptionPrefix(std::string& out, size_t n) const {
    out.clear();
    if (!description_ || description_->empty()) return false;
    out = description_->substr(0, n);
    return true;
}
