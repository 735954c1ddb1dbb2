#pragma once
// The bars of the load tools: distributed loads (points with normal and shear stress, or the
// loads taken from a piezometric line) and line loads (a point with a force given by components
// or by magnitude and inclination). Conventions in editing/dialog_bar.h.

#include "editing/dialog_bar.h"

struct s_LineLoadType;
class Cpp_LineLoad;

// Distributed loads. Enter and Escape anywhere in the bar go to the frame (Escape without the
// Shift flag) and the wheel edits the running tool's value. Options 1, 2 and 4 enable X, Y and
// both stresses; 3 (a load segment) disables them.
class CmDialogBarDistributedLoad final : public CmDialogBar {
public:
    enum : int {
        IdX = 1921,
        IdY = 1923,
        IdNormal = 1925,
        IdShear = 1926,
        IdUseLine = 1929,
        IdLineNumber = 1930,
        IdOptions = 1931
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;
    s_BarKeyRoute RouteKey(int control, e_BarKey key, bool shift) const override;
    bool WheelEditsTool() const override { return true; }

    bool GetLoadData(double& x, double& y, double& normal, double& shear);
    bool GetStress(double& value, bool normal);
    bool GetPiezometricLineNumber(int& number);
    bool SetPoint(double x, double y);
    bool SetLoadData(double x, double y, double normal, double shear);
    // Stores without reading the controls first.
    bool SetStress(double value, bool normal);
    // Clears the stresses and the point, ticks "Use piez. line:" by use and enables for it;
    // the line number is the given one (use) or 0; without the line the caret goes to X.
    void SetPiezometricLineOption(bool use, int number);
    // The line number edit is enabled exactly with use, X, Y and the stresses without it; the
    // number is the given one (use) or 1.
    void EnableForPiezometricLine(bool use, int number);
    // "Use piez. line:" as the box shows it.
    bool IsUsingPiezometricLine() { return Controls().Index(IdUseLine) == 1; }
    void FocusXEdit() { FocusControl(IdX); }

    double normal_ = 0, shear_ = 0, x_ = 0, y_ = 0;
    int useLine_ = 0;
    int lineNumber_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};

// Line loads. Force form 0 components ("Horiz. force:", "Vert. force:"), 1 resultant
// ("Magnitude:", "Inclination:"); switching converts the two values. Options 1 and 2.
class CmDialogBarLineLoadTool final : public CmDialogBar {
public:
    enum : int {
        IdX = 1940,
        IdY = 1942,
        IdFirstLabel = 1943,
        IdFirst = 1944,
        IdSecondLabel = 1945,
        IdComponents = 1946,
        IdResultant = 1947,
        IdOptions = 1948,
        IdSecond = 1949
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    // form: 1 components, 2 resultant; a form the radios do not give answers 0 and false.
    bool GetLineLoadData(double& x, double& y, double& first, double& second, int& form);
    bool SetPoint(double x, double y);
    bool SetForces(double first, double second);
    bool SetFromLineLoad(const Cpp_LineLoad& load);

    // The form the bar starts with: 1 components, 2 resultant.
    static int ToolBarDefault() { return 1; }

    int form_ = -1;
    double first_ = 0, second_ = 0, x_ = 0, y_ = 0;
    std::string secondLabel_, firstLabel_;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void Relabel();
};
