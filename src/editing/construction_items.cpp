#include "editing/construction_items.h"

#include "graphics/graphics.h"

#include "graphics/pick.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/integer_power.h"
#include "core/output_table.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "graphics/prompts.h"
#include "model/program_state.h"
#include "profile/profile_messages.h"
#include "registry/block_readers.h"
#include "registry/block_writers.h"

namespace {

Cpp_ConstructionLineList& LineList() {
    static Cpp_ConstructionLineList list;
    return list;
}

Cpp_ConstructionCircleList& CircleList() {
    static Cpp_ConstructionCircleList list;
    return list;
}

// A number from the file that is to become an int: it must lie in the range of an int.
bool ToInt(double value, int& out) {
    if (!std::isfinite(value) || value <= static_cast<double>(INT_MIN) - 1.0 ||
        value >= static_cast<double>(INT_MAX) + 1.0)
        return false;
    out = static_cast<int>(value);  // truncated toward zero
    return true;
}

void NoteOutOfRange(std::FILE* listing, const std::string& line) {
    if (!listing) return;
    SetOutputFileOnly(listing);
    PrintNewLine();
    PrintIndent();
    PrintText("A number of the construction data is out of range:", true);
    PrintIndent();
    PrintText(line, true);
}

// Reads on to the empty line that closes the current list (points or circles).
void SkipToEmptyLine(std::FILE* input) {
    s_InputLineType rec;
    rec.maxValues = 0;
    while (ReadNumberLine(input, rec))
        if (rec.blankLine) return;
}

// Reads on to the end of a line part: an empty line where a line number is expected.
void SkipLinePart(std::FILE* input, bool insidePoints) {
    if (insidePoints) SkipToEmptyLine(input);
    s_InputLineType rec;
    rec.maxValues = 0;
    while (ReadNumberLine(input, rec)) {
        if (rec.blankLine) return;
        SkipToEmptyLine(input);  // the points of a further line
    }
}

void PrintTitle(const std::string& title) {
    PrintNewLine();
    PrintIndent();
    PrintRepeatedChar(static_cast<int>(title.size()), '-');
    PrintNewLine();
    PrintIndent();
    PrintText(title, true);
    PrintIndent();
    PrintRepeatedChar(static_cast<int>(title.size()), '-');
    PrintNewLine();
    PrintNewLine();
}

// The points of one construction line, to the empty line after them. insidePoints tells the
// caller, on failure, whether the closing empty line is still to come.
bool ReadConstructionLinePoints(Cpp_Line& line, std::FILE* input, std::FILE* listing,
                                bool& insidePoints) {
    insidePoints = true;
    SetOutputFileOnly(listing);
    if (listing) {
        PrintTitle("--------------- Construction Line No. " + std::to_string(line.GetNumber()) +
                   "  ---------------");
        PrintIndent();
        PrintText("Point        X           Y", true);
        PrintNewLine();
    }
    const int decimals = Cpp_KlivenSettings::CoordinateDecimals();
    long count = 0;
    s_InputLineType rec;
    rec.maxValues = 0;
    for (;;) {
        if (!ReadNumberLine(input, rec)) {
            insidePoints = false;
            Cpp_ProfileMessages::BadPointLine2010(line.GetNumber());
            return false;
        }
        if (rec.numValues == 0) {
            if (rec.blankLine) {
                insidePoints = false;
                return true;
            }
            Cpp_ProfileMessages::BadPointTerminator2110(line.GetNumber(), rec.text);
            return false;
        }
        for (int i = 0; i + 1 < rec.numValues; i += 2) {
            line.AddPoint(rec.values[i], rec.values[i + 1]);
            ++count;
            if (listing) {
                SetOutputFileOnly(listing);
                PrintIndent();
                PrintInteger(count, 4);
                PrintDouble(rec.values[i], 12, decimals);
                PrintDouble(rec.values[i + 1], 12, decimals, true);
            }
        }
        if (rec.numValues % 2 != 0) {
            Cpp_ProfileMessages::OddNumberOfValues2020(line.GetNumber(), rec.text);
            return false;
        }
        if (!rec.rest.empty()) Cpp_ProfileMessages::IgnoredText2090(rec.rest, rec.text);
    }
}

// The echo table that a part of the block begins with: 62 for the lines, 63 for the circles.
void StartNewLineDataTable(std::FILE* listing, long table) {
    Cpp_OutputTable output(listing);
    Cpp_OutputTable::SetTitleLine(1, "NEW LINE DATA");
    Cpp_OutputTable::StartTable(table, 0, '*', true);
}

bool ReadConstructionLines(std::FILE* input, std::FILE* listing, bool echo) {
    if (echo && listing) StartNewLineDataTable(listing, 62);
    Cpp_ConstructionLineList& list = LineList();
    for (const auto& line : list.Lines()) line->SetEnteredInCurrentTable(false);
    s_InputLineType rec;
    rec.maxValues = 0;
    for (;;) {
        if (!ReadNumberLine(input, rec)) return false;
        if (rec.numValues == 0) {
            if (!rec.blankLine) {
                SkipLinePart(input, false);
                return false;
            }
            // A line keeps the number the file gives it, 0 and below too, so that the saved
            // document reads back as the same lines.
            list.NumberAllPoints();
            return true;
        }
        int number = 0;
        if (!ToInt(rec.values[0], number)) {
            NoteOutOfRange(listing, rec.text);
            SkipLinePart(input, true);
            return false;
        }
        Cpp_Line* line = list.NewLine();
        line->SetNumber(number);
        line->SetEnteredInCurrentTable(true);
        bool insidePoints = false;
        if (!ReadConstructionLinePoints(*line, input, listing, insidePoints)) {
            SkipLinePart(input, insidePoints);
            return false;
        }
    }
}

// One circle's value line.
bool ReadCircleValues(Cpp_ConstructionCircle& circle, std::FILE* input, std::FILE* listing,
                      bool echo) {
    s_InputLineType rec;
    rec.maxValues = 0;
    if (!ReadNumberLine(input, rec) || rec.numValues < 4) return false;
    int type = 0;
    if (!ToInt(rec.values[2], type)) {
        NoteOutOfRange(listing, rec.text);
        return false;
    }
    const double x = rec.values[0], y = rec.values[1];
    if (type < 0 || type > 3 || (type == CircleThroughPoint && rec.numValues < 5)) return false;
    circle.Define(x, y, type, rec.values[3], rec.numValues > 4 ? rec.values[4] : 0.0);
    if (echo && listing) {
        SetOutputFileOnly(listing);
        std::fprintf(listing, "%14.4f %13.4f", x, y);
        std::fprintf(listing, "%13.4f", circle.GetRadius());
        double v1 = 0.0, v2 = 0.0;
        circle.GetDefinitionPoint(v1, v2);
        switch (type) {
        case CircleGivenRadius:
            std::fprintf(listing, "  Designated radius = %1.4f\n", circle.GetRadius());
            break;
        case CircleThroughPoint:
            std::fprintf(listing, "  Through point at x = %1.4f, y = %1.4f\n", v1, v2);
            break;
        case CircleTangentHorizontal:
            std::fprintf(listing, "  Tangent to horizontal line at y = %1.4f\n", v1);
            break;
        default: std::fprintf(listing, "  Tangent to vertical line at x = %1.4f\n", v1); break;
        }
    }
    return true;
}

bool ReadConstructionCircles(std::FILE* input, std::FILE* listing, bool echo) {
    if (echo && listing) StartNewLineDataTable(listing, 63);
    if (listing) {
        SetOutputFileOnly(listing);
        PrintTitle("------------------------- Construction Circle Data  -------------------------");
        PrintIndent();
        PrintText("Circle     X-Center      Y-Center       Radius        Radius Definition", true);
        PrintNewLine();
    }
    Cpp_ConstructionCircleList& list = CircleList();
    for (const auto& circle : list.Circles()) circle->SetEnteredFlag(false);
    s_InputLineType rec;
    rec.maxValues = 0;
    for (;;) {
        if (!ReadNumberLine(input, rec)) return false;
        if (rec.numValues == 0) {
            if (rec.blankLine) return true;
            SkipToEmptyLine(input);
            return false;
        }
        int number = 0;
        if (!ToInt(rec.values[0], number)) {
            NoteOutOfRange(listing, rec.text);
            SkipToEmptyLine(input);
            return false;
        }
        if (echo && listing) std::fprintf(listing, "%5d", number);
        Cpp_ConstructionCircle probe;
        if (!ReadCircleValues(probe, input, listing, echo)) {
            if (listing) {
                SetOutputFileOnly(listing);
                PrintNewLine();
                PrintIndent();
                PrintText("Bad value line for construction circle " + std::to_string(number) +
                              "; the circles after it are not read.",
                          true);
            }
            SkipToEmptyLine(input);
            return false;
        }
        Cpp_ConstructionCircle* circle = list.AddReadCircle();
        *circle = probe;
        circle->SetNumber(number);
        circle->SetEnteredFlag(true);
    }
}

}  // namespace

void Cpp_ConstructionLineList::ResetFlags() {
    showLines_ = showPoints_ = showFlagA_ = showFlagB_ = true;
    selectLines_ = selectPoints_ = true;
}

bool Cpp_ConstructionLineList::WriteInput(std::FILE* file) const {
    if (IsEmpty()) return true;
    const int decimals = Cpp_KlivenSettings::CoordinateDecimals();
    std::string format;
    for (const auto& line : Lines()) {
        if (!Cpp_Strings::MakeNumberFormat(1, 20, decimals, format)) return false;
        std::fprintf(file, "     %1d\n", line->GetNumber());
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
            std::fprintf(file, "          %s%s\n",
                         SeparatedField(Cpp_Strings::FormatNumber(p->X(), 20, decimals)).c_str(),
                         SeparatedField(Cpp_Strings::FormatNumber(p->Y(), 20, decimals)).c_str());
        std::fputs("\n", file);
    }
    std::fputs("\n", file);
    return true;
}

void Cpp_ConstructionCircle::Define(double x, double y, int type, double value1, double value2) {
    x_ = x;
    y_ = y;
    type_ = type;
    value1_ = value2_ = 0.0;
    switch (type) {
    case CircleGivenRadius: radius_ = value1; break;
    case CircleThroughPoint:
        value1_ = value1;
        value2_ = value2;
        radius_ = std::sqrt(IntegerPower(x - value1, 2) + IntegerPower(y - value2, 2));
        break;
    case CircleTangentHorizontal:
        value1_ = value1;
        radius_ = std::fabs(y - value1);
        break;
    case CircleTangentVertical:
        value1_ = value1;
        radius_ = std::fabs(x - value1);
        break;
    default: radius_ = 0.0; break;
    }
}

bool Cpp_ConstructionCircle::WriteInput(std::FILE* file) const {
    if (!HasWritableDefinition()) return false;
    const int coordinate = Cpp_KlivenSettings::CoordinateDecimals();
    const int radius = std::max(coordinate, Cpp_KlivenSettings::LengthDecimals());
    std::string a, b;
    if (!Cpp_Strings::MakeNumberFormat(1, 20, coordinate, a) ||
        !Cpp_Strings::MakeNumberFormat(1, 20, radius, b))
        return false;
    // Each number keeps a blank before it, so wide ones never run together.
    auto field = [](double value, int decimals) {
        return SeparatedField(Cpp_Strings::FormatNumber(value, 20, decimals));
    };
    std::string text = "          " + field(x_, coordinate) + field(y_, coordinate);
    char typeText[32];
    std::snprintf(typeText, sizeof typeText, "%5d     ", type_);
    text += typeText;
    switch (type_) {
    case CircleGivenRadius: text += field(radius_, radius); break;
    case CircleThroughPoint: text += field(value1_, coordinate) + field(value2_, coordinate); break;
    default: text += field(value1_, coordinate); break;
    }
    std::fprintf(file, "          %1d = circle number\n%s\n", GetNumber(), text.c_str());
    return true;
}

Cpp_ConstructionCircle* Cpp_ConstructionCircleList::NewCircle(double x, double y, int type,
                                                              double value1, double value2) {
    Cpp_ConstructionCircle* circle = AddReadCircle();
    circle->Define(x, y, type, value1, value2);
    return circle;
}

Cpp_ConstructionCircle* Cpp_ConstructionCircleList::AddReadCircle() {
    circles_.push_back(std::make_unique<Cpp_ConstructionCircle>());
    return circles_.back().get();
}

int Cpp_ConstructionCircleList::WritableCount() const {
    return static_cast<int>(std::count_if(circles_.begin(), circles_.end(), [](const auto& c) {
        return c->HasWritableDefinition();
    }));
}

bool Cpp_ConstructionCircleList::WriteInput(std::FILE* file) const {
    int written = 0, left = 0;
    for (const auto& circle : circles_) {
        if (!circle->HasWritableDefinition()) {
            ++left;
            continue;
        }
        if (!circle->WriteInput(file)) return false;
        ++written;
    }
    if (written > 0) std::fputs("\n", file);
    if (left > 0)
        SetStatusText(true, std::to_string(left) +
                                " construction circle(s) without a radius rule were not saved.");
    return true;
}

Cpp_ConstructionLineList& GetConstructionLineList() { return LineList(); }
Cpp_ConstructionCircleList& GetConstructionCircleList() { return CircleList(); }
double GetConstructionSnapTolerance() { return Cpp_Graphics::PixelsToWorldLengthX(5); }

bool SnapToConstructionPoint(double& x, double& y) {
    s_PickType pick;
    pick.x = x;
    pick.y = y;
    pick.tolerance = GetConstructionSnapTolerance();
    Cpp_Line* line = nullptr;
    const Cpp_PointXY* p = LineList().FindNearestLinePoint(pick, line);
    if (!p) return false;
    x = p->X();
    y = p->Y();
    return true;
}

void DeleteAllConstructionLines() { LineList().Clear(); }
void DeleteAllConstructionCircles() { CircleList().DeleteAll(); }
void DeleteAllConstructionItems() {
    DeleteAllConstructionLines();
    DeleteAllConstructionCircles();
}

namespace {
// The lists join the program-wide reset, so what one test enters is gone for the next.
const bool g_resetAdded = (AddProgramStateReset(&DeleteAllConstructionItems), true);
}  // namespace

bool WriteConstructionData(std::FILE* file) {
    const Cpp_ConstructionLineList& lines = LineList();
    const Cpp_ConstructionCircleList& circles = CircleList();
    const int circleCount = circles.WritableCount();
    if (lines.IsEmpty() && circleCount == 0) {
        if (!circles.IsEmpty()) circles.WriteInput(file);  // only the notice
        return true;
    }
    std::fputs("CONstruction line data follow -\n", file);
    std::fprintf(file, "     %1d       %1d = number of lines and circles\n", lines.Count(),
                 circleCount);
    if (!lines.WriteInput(file)) return false;
    return circles.WriteInput(file);
}

bool ReadConstructionData(std::FILE* input, std::FILE* listing, bool echo) {
    s_InputLineType rec;
    rec.maxValues = 0;
    if (!ReadNumberLine(input, rec)) return false;
    if (rec.numValues != 2) {
        // Without the counts the parts cannot be told apart: read on to the first empty line.
        if (listing) {
            SetOutputFileOnly(listing);
            PrintNewLine();
            PrintIndent();
            PrintText("The construction data do not begin with the two counts of lines and "
                      "circles:",
                      true);
            PrintIndent();
            PrintText(rec.text, true);
        }
        if (!rec.blankLine) SkipToEmptyLine(input);
        return false;
    }
    // Only the sign of a count matters (a part is read to its closing empty line).
    const bool hasLines = rec.values[0] >= 1.0;
    const bool hasCircles = rec.values[1] >= 1.0;
    bool ok = true;
    if (hasLines && !ReadConstructionLines(input, listing, echo)) ok = false;
    if (hasCircles && !ReadConstructionCircles(input, listing, echo)) ok = false;
    return ok;
}

void RegisterConstructionBlocks() {
    RegisterBlockReader("CON", [](s_BlockReadContext& c) {
        return ReadConstructionData(c.input, c.listing, c.echo);
    });
    RegisterDefaultBlockWriter(e_WriterBlock::ConstructionLines,
                               [](Cpp_Kliven4DataSet&, std::FILE* f, int, bool document) {
                                   return document ? WriteConstructionData(f) : true;
                               });
}

bool Cpp_ConstructionCircle::HitTest(s_PickType& pick, bool& onCircumference) const {
    onCircumference = false;
    const double dx = pick.x - x_, dy = pick.y - y_;
    if (std::fabs(dx) <= pick.tolerance && std::fabs(dy) <= pick.tolerance) {
        const double d = dx * dx + dy * dy;
        if (!pick.found || d < pick.bestDistanceSquared) {
            pick.bestDistanceSquared = d;
            pick.found = 1;
            return true;
        }
    }
    const double e = std::sqrt(dx * dx + dy * dy) - radius_;
    if (std::fabs(e) <= pick.tolerance && (!pick.found || e * e < pick.bestDistanceSquared)) {
        pick.bestDistanceSquared = e * e;
        pick.found = 1;
        onCircumference = true;
        return true;
    }
    return false;
}

Cpp_ConstructionCircle* Cpp_ConstructionCircleList::HitTest(s_PickType& pick,
                                                            int& onCircumference) const {
    Cpp_ConstructionCircle* hit = nullptr;
    for (const auto& c : circles_) {
        bool flag = false;
        if (c->HitTest(pick, flag)) {
            hit = c.get();
            onCircumference = flag ? 1 : 0;
        }
    }
    return hit;
}

bool Cpp_ConstructionCircleList::DeleteCircle(const Cpp_ConstructionCircle* circle) {
    const auto it = std::find_if(circles_.begin(), circles_.end(),
                                 [circle](const auto& c) { return c.get() == circle; });
    if (it == circles_.end()) return false;
    circles_.erase(it);
    return true;
}
