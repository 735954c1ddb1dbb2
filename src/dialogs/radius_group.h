#pragma once
// The radius controls of the circle dialogs as widgets: the option combo, the radius, point and
// elevation edits, the tangent-kind combo and the table of tangent points, with the editor
// (RadiusDefinitionListBox) that enables and fills them. With a criteria list (the fixed-grid
// radii page and "Definitions for Varying Radii") it also shows the list and its buttons
// "New", "Delete" and "Delete All".

#include "dialogs/data_exchange.h"
#include "dialogs/radius_definition_list_box.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace gridctrl {
class CGridCtrlKDX;
class GridCtrlWidget;
}  // namespace gridctrl

namespace dialogs {

class RadiusGroup final : public QWidget, public RadiusControlsView {
    Q_OBJECT
public:
    struct Labels {
        const char* option;     // the option combo's label
        const char* elevation;  // the elevation edit's label
        bool withList;
    };
    // The fields are the dialog's members, bound to dx here in the order they are read back;
    // numberOfPoints sizes the table.
    RadiusGroup(QWidget* parent, const Labels& labels, s_RadiusFieldsType& fields, DataExchange& dx,
                int numberOfPoints);

    RadiusDefinitionListBox& Editor() { return editor_; }
    gridctrl::CGridCtrlKDX& Table();
    QComboBox* OptionCombo() const { return option_; }
    QComboBox* KindCombo() const { return kind_; }
    QListWidget* List() const { return list_; }
    // Runs on a user's choice in the list.
    std::function<void()> onListSelection;
    std::function<void()> onNew;
    std::function<void()> onDelete;
    std::function<void()> onDeleteAll;
    // Runs on a user's choice of the tangent kind (after the controls are read).
    std::function<void()> onKindChange;

    // ---- RadiusControlsView
    void EnableRadius(bool enable) override;
    void EnableFixedPoint(bool enable) override;
    void EnableElevation(bool enable) override;
    void EnableTangentKind(bool enable) override;
    void ShowMembers() override { dx_.ToWidgets(); }
    int ListSelection() const override;
    void SetListSelection(int index) override;
    int ListLineCount() const override;
    void InsertListLine(int index, const std::string& text) override;
    void DeleteListLine(int index) override;
    void ClearList() override;

private:
    s_RadiusFieldsType& fields_;
    DataExchange& dx_;
    RadiusDefinitionListBox editor_;
    QComboBox* option_ = nullptr;
    QLineEdit* radius_ = nullptr;
    QLineEdit* fixedX_ = nullptr;
    QLineEdit* fixedY_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* elevation_ = nullptr;
    gridctrl::GridCtrlWidget* table_ = nullptr;
    QListWidget* list_ = nullptr;
    // Set while the program moves the list selection, so only the user's choices report.
    bool moving_ = false;
};

}  // namespace dialogs
