#pragma once
// Piezometric lines: a polyline with a unit weight of fluid, from which the pore-water pressure
// at a point is the unit weight times the height of the line above the point. Each computation
// stage has its own list (line kind 3), read from and written to the PIE block:
//
//     PIEzometric line data follow -
//          1     62.40 Phreatic surface          (number, unit weight, description)
//                     0.000000           10.000000
//                   100.000000           10.000000
//                                                (blank line: end of the line's points)
//                                                (blank line: end of the block)

#include <cstdio>
#include <memory>
#include <string>

#include "graphics/line.h"
#include "graphics/line_list.h"

class Cpp_PiezometricLine : public Cpp_Line {
public:
    Cpp_PiezometricLine() = default;
    Cpp_PiezometricLine(int number, double unitWeight, const std::string& description);

    double UnitWeight() const { return unitWeight_; }
    void SetUnitWeightOfWater(double unitWeight) { unitWeight_ = unitWeight; }
    // Replaces the target's description and points with copies of this line's; copies number
    // and unit weight.
    void CopyTo(Cpp_PiezometricLine& target) const;

    // Unit weight times (the line's y at x minus y), from the first non-vertical segment that
    // spans x; false with message 4600 collected (and pressure 0) when none does.
    bool PressureAt(double x, double y, double& pressure) const;
    // The points of one line up to its blank line, echoed; false after message 4420, 4430 or
    // 4470.
    bool ReadInput(std::FILE* input, std::FILE* echo);
    bool WriteInputData(std::FILE* file) const;
    void PrintHeader() const;
    void PrintRevised(std::FILE* echo) const;
    // Warning 4500 for a unit weight of 0 or less; always true.
    bool CheckUnitWeight(std::FILE* echo, int stage) const;

private:
    double unitWeight_ = 0.0;
};

class Cpp_PiezometricLineList : public Cpp_LineList {
public:
    Cpp_PiezometricLineList() : Cpp_LineList(3) {}

    int GetStage() const { return stage_; }
    // Stage 1 or 2; takes the stage's default display flags.
    void SetStage(int stage);
    void ApplyDefaultDisplayFlags();

    Cpp_PiezometricLine* CreateLine(int number, double unitWeight, const std::string& description);
    Cpp_PiezometricLine* FindLine(int number) const;
    Cpp_PiezometricLine* PiezometricLineAt(int index) const;
    bool HasLines() const { return !IsEmpty(); }
    // The list-style window (piezometric_list_dialog.h) on copies of the stage's lines; on OK
    // the lines are made again from the window's copies, in its order. True on OK.
    bool EditWithInputDialog();
    // The family table (graphics/line_table_dialogs.h) on copies of the stage's lines; an empty
    // stage starts with line 1 and the unit weight of water. On OK the display flags are stored
    // and the lines made again from the table's copies, in its order. True on OK.
    bool EditWithGridDialog();

    // One PIE block into this stage's list; false after a numbered message.
    bool ReadInput(std::FILE* input, std::FILE* echo, bool echoFlag);
    // The PIE block; an empty list writes nothing.
    bool WriteInputDataFile(std::FILE* file) const;
    // The data check of the stage's lines; true when no line check reported anything.
    bool Check(std::FILE* echo);
    // Pressure from the first line with the number; false with message 4610 collected when
    // there is none.
    bool CheckPressureAt(int number, double x, double y, double& pressure) const;
    void TransformCoordinates(double xScale, double xOffset, double yScale, double yOffset);

    bool GetShowPoints() const { return showPoints_; }
    bool GetShowLines() const { return showLines_; }
    bool GetShowLineNumbers() const { return showLineNumbers_; }
    bool GetShowFlag31() const { return showCoordinates_; }
    void SetShowPoints(bool on) { showPoints_ = on; }
    void SetShowLines(bool on) { showLines_ = on; }
    void SetShowLineNumbers(bool on) { showLineNumbers_ = on; }
    void SetShowFlag31(bool on) { showCoordinates_ = on; }

    // The program-wide defaults of a stage (lines, points, line numbers).
    static void SetDefaultDisplayFlags(int stage, bool lines, bool points, bool numbers);

protected:
    std::unique_ptr<Cpp_Line> MakeLine() const override {
        return std::make_unique<Cpp_PiezometricLine>();
    }

private:
    int stage_ = 0;
    bool showPoints_ = true;
    bool showLines_ = true;
    bool showLineNumbers_ = true;
    bool showCoordinates_ = false;
};
