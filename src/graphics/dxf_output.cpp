#include "graphics/dxf_output.h"

#include "core/text_exception.h"

#include <cstdio>
#include <ostream>

std::ostream* Cpp_DxfFileOutput::out_ = nullptr;
int Cpp_DxfFileOutput::stage_ = 1;

void Cpp_DxfFileOutput::Group(int code, const std::string& value) {
    if (!out_) return;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3d", code);
    *out_ << buffer << '\n' << value << '\n';
}

void Cpp_DxfFileOutput::GroupReal(int code, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%20.10f", value);
    Group(code, buffer);
}

void Cpp_DxfFileOutput::GroupInt(int code, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%3d", value);
    Group(code, buffer);
}

bool Cpp_DxfFileOutput::OutputArc(const std::string& layer, int colour, double x, double y,
                                  double radius, double startAngle, double endAngle) {
    if (!out_) return false;
    Group(0, "ARC");
    Group(8, layer);
    GroupInt(62, colour);
    GroupReal(10, x);
    GroupReal(20, y);
    GroupReal(40, radius);
    GroupReal(50, startAngle);
    GroupReal(51, endAngle);
    return true;
}

bool Cpp_DxfFileOutput::OutputCircle(const std::string& layer, int colour, double x, double y,
                                     double radius) {
    if (!out_) return false;
    Group(0, "CIRCLE");
    Group(8, layer);
    GroupInt(62, colour);
    GroupReal(10, x);
    GroupReal(20, y);
    GroupReal(40, radius);
    return true;
}

bool Cpp_DxfFileOutput::OutputLine(const std::string& layer, int colour, double x1, double y1,
                                   double x2, double y2) {
    if (!out_) return false;
    Group(0, "LINE");
    Group(8, layer);
    GroupInt(62, colour);
    GroupReal(10, x1);
    GroupReal(20, y1);
    GroupReal(11, x2);
    GroupReal(21, y2);
    return true;
}

bool Cpp_DxfFileOutput::OutputAlignedText(const std::string& text, double x1, double y1, double x2,
                                          double y2, int horizontal, int vertical, double rotation,
                                          const std::string& layer, int colour, double height) {
    if (horizontal > 5 || horizontal < 0)
        throw Cpp_TextException("EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (?)");
    if (horizontal >= 3 && vertical != 0)
        throw Cpp_TextException("EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (H)");
    if (vertical < 0 || vertical > 3)
        throw Cpp_TextException("EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (V)");
    if (!out_) return false;
    Group(0, "TEXT");
    Group(8, layer);
    Group(6, "CONTINUOUS");
    GroupInt(62, colour);
    GroupReal(40, height);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %10.4f", rotation);
    Group(50, buffer);
    GroupInt(72, horizontal);
    GroupInt(73, vertical);
    GroupReal(10, x1);
    GroupReal(20, y1);
    GroupReal(11, x2);
    GroupReal(21, y2);
    Group(1, text);
    return true;
}

std::string Cpp_DxfFileOutput::LayerName(const std::string& name) {
    return name + '@' + std::to_string(stage_);
}
