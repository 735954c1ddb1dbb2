#pragma once
// The editor of the radius controls of the circle dialogs: the option (value of radius, point
// through which the circles pass, tangent line), the radius, point and elevation edits, the
// tangent kind (horizontal or irregular) and the table of an irregular line's points, and in
// the criteria dialogs a list of several criteria with the one being edited ("current").
//
// It holds no toolkit type: the dialog gives it its controls through RadiusControlsView, its
// typed table, and its members (s_RadiusFieldsType) on every call; the dialog exchanges those
// members with its controls before and after.

#include "analysis/analysis_dialogs.h"

#include <string>
#include <vector>

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class RadiusControlsView {
public:
    virtual ~RadiusControlsView() = default;
    virtual void EnableRadius(bool enable) = 0;
    virtual void EnableFixedPoint(bool enable) = 0;
    virtual void EnableElevation(bool enable) = 0;
    virtual void EnableTangentKind(bool enable) = 0;
    // Members to controls.
    virtual void ShowMembers() = 0;
    // The criteria list; the single-criterion dialogs have none.
    virtual int ListSelection() const { return -1; }
    virtual void SetListSelection(int) {}
    virtual int ListLineCount() const { return 0; }
    virtual void InsertListLine(int, const std::string&) {}
    virtual void DeleteListLine(int) {}
    virtual void ClearList() {}
};

class RadiusDefinitionListBox {
public:
    // The list line of a criterion.
    static std::string LineText(const Cpp_RadiusDefinition& definition);

    // Keeps the owner and the table and sets the table up for the points of a tangent line
    // ("Item", "X", "Y", rows "Point"; 7 rows up to 8 points, else one per point and the
    // heading).
    void Fill(RadiusControlsView* owner, gridctrl::CGridCtrlKDX* grid, int numberOfPoints);
    // The criteria being edited (the list dialogs); none is current.
    void SetButtonIds(std::vector<Cpp_RadiusDefinition>* definitions);
    // One list line per criterion.
    void FormatDefinition();
    int Current() const { return current_; }

    // Stores the fields into the current criterion and renews its line; false with none
    // current, no option, or a tangent table that is refused (after its message).
    bool FormatItem(const s_RadiusFieldsType& fields);
    // Stores the current criterion (stops when that fails), then appends "Criterion number N"
    // and makes it current without moving the list selection.
    bool AddCriterionLine(const s_RadiusFieldsType& fields);
    // Stores the current criterion (when that fails the selection goes back to it and false
    // is answered), then makes the selected one current and loads it into the fields.
    bool GetDefinitionValues(s_RadiusFieldsType& fields);
    // Removes the current criterion; the line at its place (or the one before, for the last)
    // is selected and loaded.
    void DeleteCurrent(s_RadiusFieldsType& fields);
    // No criteria, no lines, nothing current or selected.
    void ResetContent(const s_RadiusFieldsType& fields);

    // Enables the controls by the option (nothing for no option); a table switched off is
    // emptied.
    void UpdateButtons(const s_RadiusFieldsType& fields);
    // The same after a change of the tangent kind; an irregular line gets the points.
    void DeleteSelected(const s_RadiusFieldsType& fields,
                        const std::vector<s_tagTypePointXY>& points);
    // Off empties the table first.
    void EnableGrid(bool enable);
    // The points of the table, at least 2 rows, in table order; false after its message.
    bool ReadSelection(std::vector<s_tagTypePointXY>& points);
    // False for no points.
    bool SetGridPoints(const std::vector<s_tagTypePointXY>& points);

private:
    RadiusControlsView* owner_ = nullptr;
    gridctrl::CGridCtrlKDX* grid_ = nullptr;
    std::vector<Cpp_RadiusDefinition>* definitions_ = nullptr;
    int current_ = -1;
};

}  // namespace dialogs
