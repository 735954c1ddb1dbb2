#pragma once
// The drawing grid of the view: a lattice of grid points and grid lines drawn after the data, and
// the snapping of entered and dragged points to the lattice. Its defaults per unit system live
// in the profile section "GRAPHICS GRID"; a document keeps its own settings in the block
// "GRId settings follow -". All members are static.

#include "core/dialog_slot.h"

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

struct s_GridSettingsType {
    double spacing = 20.0;
    double horizontalZero = 0.0;
    double verticalZero = 0.0;
    int pointsIncrement = 1;
    int linesIncrement = 5;
    bool displayPoints = true;
    bool displayLines = true;
    bool snap = false;
    bool applyToApplication = false;  // the dialog's "Apply to aplication settings"
};

class Cpp_GraphicGrid {
public:
    static constexpr int kMaximumPositions = 1000;

    // The settings dialog ("Display Grid Information"); answers false on Cancel. Its window is
    // registered in SettingsDialogSlot(); the stand-in cancels.
    class SettingsDialog {
    public:
        virtual ~SettingsDialog() = default;
        virtual bool Run(s_GridSettingsType& settings) = 0;
    };
    static DialogSlot<SettingsDialog>& SettingsDialogSlot();

    static void InitializeGridSettings();
    static void ExchangeSettings(bool load);
    static bool EditSettings();
    // Takes the settings of the dialog; a spacing of 0 or below is refused (false, with a
    // message) and nothing changes.
    static bool ApplySettings(const s_GridSettingsType& settings);
    static s_GridSettingsType CurrentSettings();

    static void IncreaseSpacing();
    static void DecreaseSpacing();
    static void ToggleDisplayPoints() {
        displayPoints_ = !displayPoints_;
        valid_ = false;
    }
    static void ToggleDisplayLines() {
        displayLines_ = !displayLines_;
        valid_ = false;
    }
    static void ToggleSnap() { snap_ = !snap_; }
    static bool DisplayPoints() { return displayPoints_; }
    static bool DisplayLines() { return displayLines_; }
    static bool SnapOn() { return snap_; }
    static double Spacing() { return xSpacing_; }

    static bool ComputeGridPositions(int left, int top, int right, int bottom);
    static bool DrawGrid();
    static bool SnapToGrid(double& x, double& y, bool force);
    template <class Point>
    static bool SnapPointToGrid(Point& point, bool force) {
        double x = point.X(), y = point.Y();
        if (!SnapToGrid(x, y, force)) return false;
        point.Set(x, y);
        return true;
    }

    static void WriteKLIVEN4InputDataFile(std::ostream& out);
    // Reads the eight value lines after the header line. False when the block is damaged.
    static bool ReadInput(std::FILE* file);
    static void FreeGridArrays();

    // The cached positions (tests, drawing).
    static const std::vector<int>& PointColumns() { return pointColumns_; }
    static const std::vector<int>& PointRows() { return pointRows_; }
    static const std::vector<int>& VerticalLines() { return verticalLines_; }
    static const std::vector<int>& HorizontalLines() { return horizontalLines_; }
    static bool PositionsValid() { return valid_; }

    // The application defaults per unit system (1 English, 2 SI, 3 other).
    struct Defaults {
        double spacing;
        int pointsIncrement;
        int linesIncrement;
    };
    static Defaults UnitDefaults(int unitSystem);
    static bool ApplicationDisplayPoints() { return appDisplayPoints_; }
    static bool ApplicationDisplayLines() { return appDisplayLines_; }
    static bool ApplicationSnap() { return appSnap_; }

    static void Reset();

private:
    static void SetSpacing(double spacing);
    static int UnitIndex(int unitSystem);

    static double xSpacing_, ySpacing_, xReciprocal_, yReciprocal_;
    static double horizontalZero_, verticalZero_;
    static int pointsIncrement_, linesIncrementX_, linesIncrementY_;
    static bool displayPoints_, displayLines_, snap_;
    static bool appDisplayPoints_, appDisplayLines_, appSnap_;
    static Defaults defaults_[3];
    static bool valid_;
    static std::vector<int> pointColumns_, pointRows_, verticalLines_, horizontalLines_;
    static int verticalTop_, verticalBottom_, horizontalLeft_, horizontalRight_;
};
