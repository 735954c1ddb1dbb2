#pragma once
// The bars of individual soil nails and geogrids (conventions in editing/dialog_bar.h). Options:
// 1 the placing tool, 2 a selected nail or geogrid; the getters and setters answer in those
// two, and setting the option enables or disables nothing. The type lists hold the names of the
// current data set's nail or geogrid property sets, filled each time the bar is shown.

#include "editing/dialog_bar.h"

#include <string>
#include <vector>

class Cpp_Geogrid;
class Cpp_IndividualNail;

class CmDialogBarNailsTool final : public CmDialogBar {
public:
    enum : int {
        IdY = 1960,
        IdLength = 1950,
        IdInclination = 1952,
        IdType = 1956,
        IdLeft = 1958,
        IdRight = 1959,
        IdSpacing = 1954,
        IdOptions = 1957
    };
    std::vector<s_BarControl> Layout() const override;
    // "Options" runs the tool's options; a type chosen for a selected nail is read at once.
    void OnControl(int id) override;
    // Enter anywhere in the bar completes the tool's step; nothing else is passed on.
    s_BarKeyRoute RouteKey(int control, e_BarKey key, bool shift) const override;
    // The wheel scrolls the nail bar's own lists and fields.
    bool WheelToControls() const override { return true; }

    bool GetNailData(double& y, double& length, double& inclination, int& type, bool& leftFacing,
                     double& spacing);
    bool SetFromNail(const Cpp_IndividualNail& nail);
    bool SetY(double y);
    bool SetLengthAndInclination(double length, double inclination);
    void ResetNailTypeCombo();
    void AddNailTypeString(const std::string& name);
    void FocusYEdit() { FocusControl(IdY); }
    const Cpp_IndividualNail* LastNail() const { return lastNail_; }

    // Start values (the frame's).
    double spacing_ = 0.0;
    double inclination_ = 0.0;
    double length_ = 0.0;
    int type_ = 0;
    int facing_ = 0;
    double y_ = 0.0;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    const Cpp_IndividualNail* lastNail_ = nullptr;
};

class CmDialogBarGeogridsTool final : public CmDialogBar {
public:
    enum : int {
        IdY = 1966,
        IdLength = 1968,
        IdType = 1969,
        IdLeft = 1975,
        IdRight = 1976,
        IdOptions = 1970
    };
    std::vector<s_BarControl> Layout() const override;
    void OnInitDialog() override;
    // "Options" runs the tool's options.
    void OnControl(int id) override;

    bool GetGeogridData(double& y, double& length, int& type, bool& leftFacing);
    bool SetFromGeogrid(const Cpp_Geogrid& grid);
    bool SetLength(double length);
    void ResetGridTypeCombo();
    void AddGridTypeString(const std::string& name);
    const Cpp_Geogrid* LastGeogrid() const { return lastGrid_; }

    double length_ = 0.0;
    int type_ = -1;
    double y_ = 0.0;
    int facing_ = -1;

protected:
    void DoDataExchange(BarExchange& dx) override;

private:
    const Cpp_Geogrid* lastGrid_ = nullptr;
};

// Fills the bar's type list with the names of the property sets of the current data set (none
// without a data set).
void FillNailTypes(CmDialogBarNailsTool& bar);
void FillGeogridTypes(CmDialogBarGeogridsTool& bar);
