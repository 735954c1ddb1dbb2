#pragma once
// The numbered messages about the pore pressure of materials (4000 to 4250), piezometric lines
// (4400 to 4610) and interpolation data (4700 to 4980). One function per message (a few serve
// two wordings, selected by their first argument); every one returns true.
//
// How each is built:
// - pore-pressure and piezometric reading messages: the message buffer with the frame line of
//   the block, to the listing and "Error.log"; with the input line where they take one;
// - check messages (4200-4250, 4500, 4870-4935): the pending block title first;
// - 4600, 4610 and 4980: collected in the message buffers of the computations, not written;
// - interpolation reading messages (4700-4810) and the duplicate points (4850, 4860): printed to
//   the listing only; their input-line echo keeps the line's newline.
// The line errors of piezometric lines (4510-4570) are raised by the shared line checks.

#include <string>

class Cpp_PorePressureMessages {
public:
    // Pore pressure of a material: reading.
    static bool Message4000(long material, char first, char second, const std::string& line);
    static bool Message4010(long material);
    static bool Message4020(long material);
    static bool Message4030(long material);
    static bool Message4060(long material, const std::string& line);
    static bool Message4070(long material, const std::string& line);
    static bool Message4080(long material, const std::string& line);
    static bool Message4085(long material, const std::string& line);
    // Pore pressure of a material: check.
    static bool Message4200(long lineNumber, long material, int stage);
    static bool Message4210(long material, int stage);
    static bool Message4220(long material, int stage);
    static bool Message4230(long material, int stage);
    static bool Message4250(long lineNumber, long material, int stage);

    // Piezometric lines.
    static bool Message4400(long lineNumber, int stage);
    static bool Message4410();
    static bool Message4420(long lineNumber);
    static bool Message4430(long lineNumber, const std::string& line);
    static bool Message4460(const std::string& line);
    static bool Message4470(long lineNumber, const std::string& line);
    static bool Message4500(long lineNumber, int stage);
    static bool Message4600(double x, long lineNumber, double xmin, double xmax);
    static bool Message4610(long lineNumber, int stage);

    // Interpolation data: reading (listing only).
    static bool Message4700(int stage);
    static bool Message4705(int kind, int stage, const std::string& line);
    static bool Message4710(int stage);
    static bool Message4720(int stage, const std::string& line);
    static bool Message4740(int stage, const std::string& line);
    static bool Message4750File(int stage, const std::string& line);
    static bool Message4750Seep2d(int stage, const std::string& line);
    static bool Message4770(int stage, const std::string& fileName, const std::string& line);
    static bool Message4780(int stage, char leading, const std::string& line);
    static bool Message4790(int stage, long count, int perPoint, const std::string& line);
    static bool Message4800(int stage, long count, const std::string& line);
    static bool Message4810(int stage, long count, const std::string& line);
    // Duplicate points of a data set: 4850 (a warning) when the second point was deleted, 4860
    // (an error) when it could not be.
    static bool Message4860(int kind, bool deleted, int stage, long material, long firstNumber,
                            double x1, double y1, double value1, long secondNumber, double x2,
                            double y2, double value2);
    // Interpolation data: check.
    static bool Message4870(long material, int stage);
    static bool Message4880(long material, int stage);
    // Interpolation data of a kind and material that no material uses (4900 to 4935).
    static bool MessageDataNotUsed(int kind, int material, int stage);
    // The triangulation of a data set failed.
    static bool Message4980(int kind, int material);
};
