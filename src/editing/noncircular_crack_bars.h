#pragma once
// The bars of noncircular slip surfaces (points with their fixity and shift angle) and of the
// tension crack and crack water. Conventions in editing/dialog_bar.h.

#include "editing/dialog_bar.h"

// Mode index 0 "Individual", 1 "Search"; fixity index 0 "Fixed", 1 "Moveable - Angle Spec'd",
// 2 "Moveable - Angle Comp'd". The angle can be typed only for fixity 1; the fixity and angle
// are shown only for a search.
class CmDialogBarNoncircularTool final : public CmDialogBar {
public:
    enum : int {
        IdFixityLabel = 1870,
        IdModeLabel = 1886,
        IdMode = 1887,
        IdX = 1889,
        IdY = 1891,
        IdFixity = 1892,
        IdAngleLabel = 1893,
        IdAngle = 1894,
        IdOptions = 1904
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetPoint(double& x, double& y);
    // The point with its shift data (moveable, direction computed, angle in degrees); false when
    // the fields do not read.
    bool GetPointData(double& x, double& y, bool& moveable, bool& directionComputed, double& angle);
    // 1 individual, 3 search.
    int GetMode();
    bool SetPoint(double x, double y);
    // mode 1 individual, 3 search (others keep the list).
    bool SetPointData(int mode, double x, double y, bool moveable, bool directionComputed,
                      double angle);
    bool SetPointFixity(bool moveable, bool directionComputed, double angle);
    void FocusXEdit() { FocusControl(IdX); }

    double angle_ = 0;
    int fixity_ = 2;
    int mode_ = 0;
    double x_ = 0, y_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void ShowSearchFields(int mode);
    void EnableAngle(int fixity);
};

// Crack (crack mode) or crack water: constant or variable, given by depth (entry 0) or by
// elevation (entry 1: "Bottom Elevation Specified" or "Surface Elevation Specified"). The
// getters answer in every entry option.
class CmDialogBarCrackTool final : public CmDialogBar {
public:
    enum : int {
        IdDepthOrElevation = 1908,
        IdValueLabel = 1911,
        IdValue = 1912,
        IdConstant = 1915,
        IdXLabel = 1921,
        IdX = 1922,
        IdVariable = 1923,
        IdUnitWeightLabel = 1924,
        IdUnitWeight = 1925,
        IdOptions = 2236
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    // kind: 1 constant depth, 2 constant elevation, 3 variable depth, 4 variable elevation.
    bool GetCrackData(int& kind, double& x, double& value, double& unitWeight);
    bool GetPoint(double& x, double& value);
    bool SetPoint(double x, double value);
    bool SetXAndValue(double x, double value);
    void SetCrackData(bool crackMode, bool depthSpecified, bool constant, double value,
                      double unitWeight);
    void SetCrackOrWaterMode(bool crackMode);
    void FocusXEdit() { FocusControl(IdX); }

    int variable_ = 0;
    int depthOrElevation_ = 0;
    double value_ = 0, x_ = 0, unitWeight_ = 0;
    std::string valueLabel_ = "Depth:";
    bool crackMode_ = true;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void SetValueLabel();
};
