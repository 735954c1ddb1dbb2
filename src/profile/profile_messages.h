#pragma once
// The numbered messages about profile lines (2000-2320). Reading messages carry the frame line
// "ERROR IN PROFILE LINE INPUT DATA."; check messages take the pending block title first. The
// line errors of profile lines (2200-2310) are raised through Cpp_LineErrors. Each returns true.

#include <string>

class Cpp_ProfileMessages {
public:
    static bool DuplicateLineNumber2000(long line);
    static bool BadPointLine2010(long line);
    static bool OddNumberOfValues2020(int line, const std::string& input);
    static bool FirstLineUnreadable2030();
    static bool NotEnoughHeaderValues2040(const std::string& input);
    static bool NoSeparateFile2070(const std::string& input);
    static bool IgnoredText2090(const std::string& text, const std::string& input);
    static bool BadBlockTerminator2100(const std::string& input);
    static bool BadPointTerminator2110(long line, const std::string& input);
    static bool FileNotOnFirstLine2130(const std::string& input);
    static bool CannotOpenSeparateFile2140(const std::string& name, const std::string& input);
    static bool NoMaterialProperties2220(long line, long material);
    static bool NoProfileLines2240();
    static bool InterfaceProperties2290(long line, long material);
    static bool EntirelyVertical2320(int line, double x);
};
