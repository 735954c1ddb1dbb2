#pragma once
// The common part of every numbered entity: its number and its optional description.
// Lists keep their items in containers of their own; an item carries no list link.

#include <optional>
#include <string>
#include <string_view>

class Cpp_ListItem {
public:
    Cpp_ListItem() = default;
    virtual ~Cpp_ListItem() = default;
    Cpp_ListItem(const Cpp_ListItem&) = default;
    Cpp_ListItem& operator=(const Cpp_ListItem&) = default;

    int GetNumber() const { return number_; }
    void SetNumber(int number) { number_ = number; }

    // An empty text leaves no description. Otherwise the text is kept without its trailing
    // spaces (only ' ' counts); a text of spaces only becomes an empty description.
    void SetDescription(std::string_view text);
    void ClearDescription() { description_.reset(); }
    bool HasDescription() const { return description_.has_value(); }
    // The description, or an empty text when there is none.
    const std::string& Description() const;
    // At most the first n characters; false (and an empty text) for no or an empty description.
    bool DescriptionPrefix(std::string& out, size_t n) const;

private:
    int number_ = 0;
    std::optional<std::string> description_;
};
