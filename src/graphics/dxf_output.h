#pragma once
// The DXF entity writer of the DXF output mode. Every operation writes nothing and answers
// false while no DXF stream is open. Each group is two lines: the group code right-aligned in
// three characters, then the value; reals "%20.10f", colours "%3d".

#include <iosfwd>
#include <string>

class Cpp_DxfFileOutput {
public:
    static void Open(std::ostream* out) { out_ = out; }
    static void Close() { out_ = nullptr; }
    static bool IsOpen() { return out_ != nullptr; }
    static void SetStage(int stage) { stage_ = stage; }

    static bool OutputArc(const std::string& layer, int colour, double x, double y, double radius,
                          double startAngle, double endAngle);
    static bool OutputCircle(const std::string& layer, int colour, double x, double y,
                             double radius);
    static bool OutputLine(const std::string& layer, int colour, double x1, double y1, double x2,
                           double y2);
    // Horizontal alignment 0..5 and vertical 0..3; throws the texts
    // "EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (?)", "(H)" and "(V)" for bad pairs.
    static bool OutputAlignedText(const std::string& text, double x1, double y1, double x2,
                                  double y2, int horizontal, int vertical, double rotation,
                                  const std::string& layer, int colour, double height);
    // The layer name with the separator '@' and the stage number while per-stage layer names
    // are on (they are).
    static std::string LayerName(const std::string& name);
    static bool PointsAsPointEntities() { return false; }
    static double CharacterWidthFactor() { return 1.0; }
    static double TextLength(const std::string& text, double height) {
        return CharacterWidthFactor() * height * static_cast<double>(text.size());
    }

    // One group (for polylines, arrows and text blocks that write their own entities).
    static void Group(int code, const std::string& value);
    static void GroupReal(int code, double value);
    static void GroupInt(int code, int value);

private:
    static std::ostream* out_;
    static int stage_;
};
