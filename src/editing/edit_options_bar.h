#pragma once
// The edit-options bar ("Preprocessor Edit Options", docked at the top and always shown): the
// kind of item a click in the drawing may pick, and the switches for editing values with the
// mouse wheel and for snapping to construction points.

#include "editing/dialog_bar.h"

class CmDialogBarEditingMain final : public CmDialogBar {
public:
    enum : int { IdSelect = 1450, IdWheel = 1986, IdSnap = 1987 };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    // The filter returns to "All" whenever the bar is shown or hidden.
    void OnShowWindow(bool shown) override;

    // The pick filter: the index of the "Select:" list (0 "All" to 22).
    int GetComboSelection() { return Controls().Index(IdSelect); }
    bool IsWheelEditingOn();
    bool IsConstructionPointSnapOn();

    int filter_ = 0;
    int wheel_ = 0;
    int snap_ = 0;

protected:
    void DoDataExchange(BarExchange& dx) override;
};
