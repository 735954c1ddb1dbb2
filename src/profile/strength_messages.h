#pragma once
// The numbered messages about the shear strength of materials (3010 to 3760): the reading
// messages of the strength lines of the material block and the messages of the strength check.
// One function per message (3070 has two wordings); every one returns true. Arguments: the
// material number first, then the stage where the text has one, then counts and limits, and last
// the input line for the messages that echo it.
//
// Kinds are those of the catalogue; whether a message fails the check is the check's own rule
// (the "reversed" messages 3660 to 3700 are errors by kind but do not fail it).

#include <string>

class Cpp_StrengthMessages {
public:
    // Reading messages.
    static bool Message3010(long material, char first, char second, const std::string& line);
    static bool Message3020(long material);
    static bool Message3030(long material);
    static bool Message3040(long material);
    static bool Message3050(long material);
    static bool Message3060(long material);
    static bool Message3070Strengths(long material);
    static bool Message3080(long material);
    static bool Message3100(long material);
    static bool Message3110(long material);
    static bool Message3120(long material, long count, long multiple, const std::string& line);
    static bool Message3130(long material, long count, const std::string& line);
    static bool Message3140(long material, int count, int multiple, const std::string& line);
    static bool Message3190(long material);
    static bool Message3200(long material, const std::string& line);
    static bool Message3210(long material, const std::string& line);
    static bool Message3220(long material, const std::string& line);
    static bool Message3230(int material, int count, int required, const std::string& line);
    static bool Message3240(int material, int count, int required, const std::string& line);
    static bool Message3250(long material, long count, long required, const std::string& line);
    static bool Message3260(int material, int count, int required, const std::string& line);
    static bool Message3280(int material, int count, const std::string& line);
    static bool Message3300(long material, long count, const std::string& line);
    static bool Message3400(long material, long maximum, const std::string& line);
    static bool Message3410(long material, long maximum, const std::string& line);
    static bool Message3430(long material, long maximum, const std::string& line);
    static bool Message3450();

    // Check messages.
    static bool Message3490(long material, int stage);
    static bool Message3500(long material, int stage);
    static bool Message3510(long material, int stage);
    static bool Message3520(long material);
    static bool Message3530(long material);
    static bool Message3550(long material, int stage);
    static bool Message3560(long material);
    static bool Message3570(long material);
    static bool Message3580(long material);
    static bool Message3590(long material);
    static bool Message3600(long material, int stage);
    static bool Message3610(long material, int stage);
    static bool Message3620(long material, int stage);
    static bool Message3630(long material, int stage);
    static bool Message3640(long material);
    static bool Message3650(long material);
    static bool Message3660(long material, int stage);
    static bool Message3670(long material, int stage);
    static bool Message3680(long material, int stage);
    static bool Message3690(long material);
    static bool Message3700(long material);
    static bool Message3710(long material);
    static bool Message3720(long material);
    static bool Message3740(long material, int stage);
    static bool Message3750(long material);
    static bool Message3760(long material);
};
