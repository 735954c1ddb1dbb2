#pragma once
// The numbered messages about material properties and unit weights (2600 to 2840 and 3545):
// the reading messages of the material block and the messages of the material check. One
// function per message (2690 has two wordings); every one returns true. Arguments follow the
// order of the placeholders; the input line comes last for the messages that echo it.
//
// Kinds are those of the catalogue; whether a message fails the check is the check's own rule
// (2810 is an error by kind but does not fail it).

#include <string>

class Cpp_MaterialMessages {
public:
    static bool Message2600(long material);
    static bool Message2610();
    static bool Message2620(long material);
    static bool Message2625(int material, int stage);
    static bool Message2630(const std::string& line);
    static bool Message2635(int material, int stage, const std::string& line);
    static bool Message2680(int material, int stage, int maximum, const std::string& line);
    // Unrecognized unit-weight option.
    static bool Message2690Option(int material, int stage, const std::string& line);
    // An odd number of values on a lateral-point line.
    static bool Message2690Count(int material, int stage, const std::string& line);
    static bool Message2800(long material, int stage);
    static bool Message2810(long material);
    static bool Message2820();
    static bool Message2830(int material, int stage);
    // Points i and i + 1 (the function adds 1), numbered from 1.
    static bool Message2840(int material, int stage, int point);
    static bool Message3545(int material, int stage);
};
