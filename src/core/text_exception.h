#pragma once
// The text exception of the model: a text that begins "EXCEPTION: " and names the class and
// member that threw it ("EXCEPTION: Cpp_Line::DrawLine"). Thrown by value; the entry points of
// the program catch it together with the nested Exc_ classes of each subsystem.

#include <exception>
#include <string>
#include <utility>

class Cpp_TextException : public std::exception {
public:
    explicit Cpp_TextException(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
