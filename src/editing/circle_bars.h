#pragma once
// The bars of circular slip surfaces: the circle bar (mode, centre and how the radius is
// defined) and the radius bar (the radius criteria of the current circle data, one for an
// individual circle or the floating-grid search, a numbered list for the fixed-grid search).
// Conventions in editing/dialog_bar.h.

#include "core/point_xy.h"
#include "editing/dialog_bar.h"

#include <functional>

class Cpp_AnalysisComputationData;
class Cpp_RadiusDefinition;

// Mode index 0 "Individual" (circle mode 1), 1 "Search - Floating Grid" (3), 2 "Search - Fixed
// Grid" (4); radius index 0 constant (kind 0), 1 fixed point (1), 2 horizontal tangent (2),
// 3 irregular tangent (2, irregular).
class CmDialogBarCircleTool final : public CmDialogBar {
public:
    enum : int {
        IdMode = 1876,
        IdRadiusLabel = 1877,
        IdRadius = 1878,
        IdX = 1880,
        IdY = 1881,
        IdOptions = 1883,
        IdFirst = 1884,
        IdFirstLabel = 1885,
        IdRadiusDefs = 1886,
        IdSecondLabel = 1905,
        IdSecond = 1906
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetCircleData(int& mode, double& x, double& y, int& kind, bool& irregular, double& first,
                       double& second);
    bool GetCenter(double& x, double& y);
    int GetMode();
    int GetRadiusKind(bool& irregular);
    bool SetCircleData(int mode, double x, double y, int kind, bool irregular, double first,
                       double second);
    bool SetCenter(double x, double y);
    bool SetRadiusValues(double first, double second);
    // Whether "Options" may be used (the frame's state of the button).
    bool OptionsEnabled() const { return optionsEnabled_; }
    void FocusXEdit() { FocusControl(IdX); }

    // The analysis data's answers to a change of the lists (circle mode; kind and irregular).
    std::function<void(int mode)> onModeChanged;
    std::function<void(int kind, bool irregular)> onRadiusOptionChanged;

    int mode_ = 0;
    int radius_ = 0;
    double x_ = 0, y_ = 0, first_ = 0, second_ = 0;
    std::string firstLabel_;
    bool optionsEnabled_ = true;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    void ShowFields();
};

class CmDialogBarRadiusTool final : public CmDialogBar {
public:
    enum : int {
        IdCriterionLabel = 1895,
        IdCriterion = 1896,
        IdFirstLabel = 1897,
        IdFirst = 1898,
        IdSecondLabel = 1899,
        IdSecond = 1900,
        IdDefinitionLabel = 1901,
        IdDefinition = 1902,
        IdDelete = 1928
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    void OnControl(int id) override;
    void SetEntryOption(int option) override;

    bool GetRadiusValue(double& value);
    bool GetRadiusPoint(s_tagTypePointXY& point);
    int GetRadiusKind(bool& irregular);
    void SetRadiusData(int kind, bool irregular, double first, double second);
    // From a picked point: the radius about the current centre (rounded to the length decimals
    // with round), the fixed point or the tangent's elevation.
    void UpdateFromPoint(double x, double y, bool round);
    bool ApplyToRadiusDefinition(Cpp_RadiusDefinition& definition);
    void FillCriterionList();
    void RefreshCriterionList();
    void ArrangeControls();
    void SetValueFields(int kind, bool irregular, bool hide);
    void SetFromRadiusDefinition(int number, const Cpp_RadiusDefinition& definition,
                                 const s_tagTypePointXY& point, bool hide);
    void LoadRadiusDefinition(const Cpp_RadiusDefinition& definition);

    // "Constant radius" ...; numbered "(n) Constant radius" ... when number > 0.
    static std::string DefinitionText(const Cpp_RadiusDefinition& definition, int number);

    double first_ = 0;
    int criterion_ = -1;
    int definition_ = -1;
    double second_ = 0;
    std::string firstLabel_ = "Radius:";

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    // The criterion's kind, values and fields, from the analysis data (entry index of the list).
    void LoadCriterion(int index);
    void DeleteCriterion();
};
