#pragma once
// Helpers of the loads tests: capturing what a block writer writes, and reading a block from a
// text.

#include <cstdio>
#include <functional>
#include <string>

// The text that write(file) writes to a fresh temporary file.
std::string WrittenText(const std::function<void(std::FILE*)>& write);

// A temporary file holding the text, positioned at its start; closed by the destructor.
class TextInput {
public:
    explicit TextInput(const std::string& text);
    ~TextInput();
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;
    std::FILE* File() const { return file_; }
    // What is left to read, read whole.
    std::string Rest();

private:
    std::FILE* file_ = nullptr;
};
