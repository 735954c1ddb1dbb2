#pragma once
// Numbers appended to a text as the C library's printf writes them in the C locale, without
// building a format or calling printf: std::to_chars gives the digits, these functions the field.
// Written files, the echo listing and FormatText all come through here, so a value reads the
// same whichever of them wrote it.
//
//     std::string line;
//     AppendFixed(line, x, 15, 6);          // as "%15.6f"
//     AppendExponential(line, v, 20, 10);   // as "%20.10e"
//     AppendInteger(line, n, 10);           // as "%10ld"
//
// Width and precision mean what they mean as printf's '*' arguments ("%*.*f"): a negative width
// left-justifies, a negative precision is printf's default. A precision too long for the fast
// path takes printf itself, so the text is always printf's.

#include <string>

void AppendFixed(std::string& out, double value, int width, int decimals);
void AppendExponential(std::string& out, double value, int width, int decimals);
void AppendGeneral(std::string& out, double value, int width, int precision);
void AppendInteger(std::string& out, long long value, int width);

// One printf conversion spelled out: the flags, the field width and the precision (-1 when
// absent). FormatText and the number formats built at run time are read into these.
struct s_FieldFormat {
    bool left = false;   // '-'
    bool plus = false;   // '+'
    bool space = false;  // ' '
    bool zero = false;   // '0'
    int width = 0;
    int precision = -1;
};
// Appends value as printf's conversion 'f', 'e' or 'g' with the field; false (and nothing
// appended) for another conversion.
bool AppendDouble(std::string& out, double value, char conversion, const s_FieldFormat& field);
// Appends value as printf's 'd' with the field (the precision is not used for integers here).
void AppendSigned(std::string& out, long long value, const s_FieldFormat& field);
void AppendUnsigned(std::string& out, unsigned long long value, const s_FieldFormat& field);
// Appends text padded to the field's width, cut to its precision when one is given.
void AppendPadded(std::string& out, const char* text, std::size_t length,
                  const s_FieldFormat& field);
