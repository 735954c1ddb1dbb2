#pragma once
// The bar of the interpolation-point tools. Conventions in editing/dialog_bar.h.

#include "editing/dialog_bar.h"

#include <functional>

// Interpolation points of one kind: 1 pore water pressure (or total head with "Head"), 2 ru,
// 3 Su, 5 c/p ratio, 0 none. The point number is never typed.
class CmDialogBarInterpolationTool final : public CmDialogBar {
public:
    enum : int {
        IdNumber = 1820,
        IdValueLabel = 1821,
        IdX = 1823,
        IdY = 1825,
        IdValue = 1826,
        IdMaterial = 1828,
        IdOptions = 1996,
        IdHead = 1997
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetPointData(int& number, double& x, double& y, int& material, double& value);
    bool GetValue(double& value);
    void SetPointData(int number, double x, double y, int material, double value);
    void SetPoint(double x, double y);
    void SetValue(double value);
    void SetInterpolationKind(int kind, bool head);
    int GetInterpolationKind() const { return kind_; }
    bool IsHeadChecked() { return Controls().Index(IdHead) != 0; }
    void FocusXEdit() { FocusControl(IdX); }

    // What the interpolation code does when "Head" is clicked (switches the data set).
    std::function<void(bool head)> onHeadChanged;

    int number_ = 0;
    double value_ = 0, x_ = 0, y_ = 0;
    int head_ = 0;
    int material_ = 0;
    int kind_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void Relabel();
};
