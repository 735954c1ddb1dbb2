#pragma once
// In-memory files for the core tests: an input file over a text, and an output file whose
// text can be read back.

#include <cstdio>
#include <string>

class InputText {
public:
    explicit InputText(const std::string& text) : text_(text) {
        file_ = text_.empty() ? std::tmpfile() : fmemopen(text_.data(), text_.size(), "r");
    }
    ~InputText() { std::fclose(file_); }
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;
    std::FILE* get() const { return file_; }

private:
    std::string text_;
    std::FILE* file_;
};

class OutputText {
public:
    OutputText() : file_(std::tmpfile()) {}
    ~OutputText() { std::fclose(file_); }
    OutputText(const OutputText&) = delete;
    OutputText& operator=(const OutputText&) = delete;
    std::FILE* get() const { return file_; }
    std::string Text() const {
        std::fflush(file_);
        long end = std::ftell(file_);
        std::string s(static_cast<size_t>(end), '\0');
        std::rewind(file_);
        size_t n = std::fread(s.data(), 1, s.size(), file_);
        s.resize(n);
        std::fseek(file_, 0, SEEK_END);
        return s;
    }

private:
    std::FILE* file_;
};
