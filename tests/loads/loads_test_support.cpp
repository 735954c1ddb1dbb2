#include "loads_test_support.h"

std::string WrittenText(const std::function<void(std::FILE*)>& write) {
    std::FILE* f = std::tmpfile();
    if (!f) return "<no temporary file>";
    write(f);
    std::fflush(f);
    std::rewind(f);
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    return text;
}

TextInput::TextInput(const std::string& text) {
    file_ = std::tmpfile();
    if (file_) {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::rewind(file_);
    }
}

TextInput::~TextInput() {
    if (file_) std::fclose(file_);
}

std::string TextInput::Rest() {
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text.append(buffer, n);
    return text;
}
