#pragma once
// The bars of the tools that enter polylines and points: profile lines, piezometric lines,
// reinforcement lines, the slope and construction lines and circles (conventions in
// editing/dialog_bar.h).

#include "editing/dialog_bar.h"

class Cpp_ConstructionCircle;

// Profile lines. Options: 1 and 2 every field; 3 (a segment) number, material and description;
// 4 (a point being added) X and Y.
class CmDialogBarProfileTool final : public CmDialogBar {
public:
    enum : int {
        IdNumber = 1785,
        IdMaterial = 1787,
        IdX = 1789,
        IdY = 1791,
        IdDescription = 1793,
        IdFinish = 1994
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetPoint(double& x, double& y);
    bool GetLineData(int& number, int& material, std::string& description);
    bool SetPoint(double x, double y);
    bool SetLineData(int number, int material, const std::string& description);
    void FocusNumberEdit() { FocusControl(IdNumber); }
    void FocusXEdit() { FocusControl(IdX); }

    // Start values (the frame's).
    std::string description_ = "Profile Line #1";
    int material_ = 1;
    int number_ = 1;
    double x_ = 0, y_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};

// Piezometric lines. Options: 1 and 2 number, unit weight, X and Y; 3 number and unit weight;
// 4 X and Y. The description is always enabled.
class CmDialogBarPiezometricTool final : public CmDialogBar {
public:
    enum : int {
        IdNumber = 1807,
        IdUnitWeight = 1809,
        IdX = 1811,
        IdY = 1813,
        IdDescription = 1815,
        IdFinish = 1995
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetLineData(int& number, double& unitWeight, std::string& description);
    bool GetPoint(double& x, double& y);
    bool SetLineData(int number, double unitWeight, const std::string& description);
    bool SetPoint(double x, double y);
    void FocusBarFirstEdit() { FocusControl(IdNumber); }
    void FocusBarSecondEdit() { FocusControl(IdX); }

    std::string description_ = "Piezometric Line #1";
    double unitWeight_ = 1.0;
    int number_ = 1;
    double x_ = 0, y_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};

// Reinforcement lines. Options 1, 2 and 4 enable X, Y and both forces, 3 disables them; the
// number stays enabled.
class CmDialogBarReinforcementTool final : public CmDialogBar {
public:
    enum : int {
        IdNumber = 1787,
        IdX = 1793,
        IdY = 1795,
        IdLongForce = 1797,
        IdTransForce = 1799,
        IdOptions = 1800,
        IdFinish = 1801
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetLineNumber(int& number);
    bool GetPointData(double& x, double& y, double& longitudinal, double& transverse);
    // The forces shown while the cursor moves: what the fields hold, the last values read for a
    // field without a number, and never a message.
    void PeekForces(double& longitudinal, double& transverse);
    bool SetPoint(double x, double y);
    bool SetPointData(double x, double y, double longitudinal, double transverse);
    bool SetForces(double longitudinal, double transverse);
    bool SetLineNumber(int number);
    void FocusBarFirstEdit() { FocusControl(IdNumber); }
    void FocusBarSecondEdit() { FocusControl(IdX); }

    double longForce_ = 0;
    int number_ = 1;
    double transForce_ = 0;
    double x_ = 0, y_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};

// The slope: X and Y, both always enabled.
class CmDialogBarSlopeTool final : public CmDialogBar {
public:
    enum : int { IdX = 1972, IdY = 1973 };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;

    bool GetPoint(double& x, double& y);
    bool SetPoint(double x, double y);
    void FocusXEdit() { FocusControl(IdX); }

    double x_ = 0, y_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};

// Construction lines and circles. Options: 1 the tool (Circle cleared, circle fields hidden);
// 2 a circle selected; 3 a point selected and 5 a point being added (X and Y only); 4 a line
// selected (nothing enabled). Its getters answer in every option.
class CmDialogBarConstructionTool final : public CmDialogBar {
public:
    enum : int {
        IdX = 1980,
        IdY = 1981,
        IdFirst = 2183,
        IdSecondLabel = 2184,
        IdSecond = 2185,
        IdDefinition = 2186,
        IdCircle = 2187,
        IdFirstLabel = 2188
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetPoint(double& x, double& y);
    bool GetCircleValues(double& first, double& second);
    // 0 radius, 1 fixed point, 2 horizontal tangent, 3 vertical tangent, -1 none.
    int GetCircleDefinition();
    bool SetPoint(double x, double y);
    bool UpdateCircleFromPoint(double x, double y);
    void SetFromConstructionCircle(const Cpp_ConstructionCircle& circle);
    // The "Circle" box: circle entry rather than point entry.
    bool IsCircleChecked() { return Controls().Index(IdCircle) != 0; }
    void FocusXEdit() { FocusControl(IdX); }

    double x_ = 0, y_ = 0;
    int circle_ = 0;
    int definition_ = 0;
    double first_ = 0;
    std::string firstLabel_;
    std::string secondLabel_;
    double second_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void ShowCircleFields(bool show);
    void Relabel();
};
