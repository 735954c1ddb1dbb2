#pragma once
// The "Display Selections" sheet: what the drawing shows of the input geometry, the
// interpolation data and the analysis data, on three pages; and the list that switches single
// stage-1 strength data sets on and off. Both edit copies; the data take them back on OK.

#include "registry/display_selections.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace dialogs {

// "Select Interpolation Data Sets for Display": one row per data set (material number, YES/NO).
class InterpolationDisplayDialog final : public QDialog {
    Q_OBJECT
public:
    InterpolationDisplayDialog(std::vector<int> materials, std::vector<bool> flags,
                               QWidget* parent = nullptr);
    const std::vector<bool>& Flags() const { return flags_; }

    QTreeWidget* List() const { return list_; }
    QCheckBox* DisplaySelection() const { return display_; }
    QPushButton* SetAllButton() const { return setAll_; }
    QPushButton* ClearAllButton() const { return clearAll_; }

private:
    void ShowRow(int row);

    std::vector<int> materials_;
    std::vector<bool> flags_;
    QTreeWidget* list_ = nullptr;
    QCheckBox* display_ = nullptr;
    QPushButton* setAll_ = nullptr;
    QPushButton* clearAll_ = nullptr;
};

class DisplaySheetDialog final : public QDialog {
    Q_OBJECT
public:
    explicit DisplaySheetDialog(const s_DisplaySheetData& data, QWidget* parent = nullptr);
    const s_DisplaySheetData& Data() const { return data_; }
    void accept() override;

    QTabWidget* Pages() const { return pages_; }
    // A box by its page (0 to 2) and its group and label, as the user reads them; null if none.
    QCheckBox* Box(int page, const QString& group, const QString& label) const;
    QPushButton* SetAllButton(int page) const { return setAll_[page]; }
    QPushButton* ClearAllButton(int page) const { return clearAll_[page]; }
    QPushButton* DesignateButton(int stage) const { return designate_[stage]; }
    QRadioButton* AppliesToDesignated(int stage) const { return designated_[stage]; }

private:
    struct Binding {
        int page;
        QString group;
        QString label;
        QCheckBox* box;
        bool* flag;   // null: shown only, nothing taken back
        bool setAll;  // "Set All" / "Clear All" reach it
    };
    QWidget* MakeInputGeometryPage();
    QWidget* MakeInterpolationPage();
    QWidget* MakeAnalysisPage();
    QCheckBox* Add(int page, QWidget* group, const QString& groupTitle, const QString& label,
                   bool* flag, bool setAll = true);
    QWidget* PageButtons(int page);
    void EditDesignations();

    s_DisplaySheetData data_;
    QTabWidget* pages_ = nullptr;
    std::vector<Binding> bindings_;
    QPushButton* setAll_[3] = {};
    QPushButton* clearAll_[3] = {};
    QPushButton* designate_[2] = {};
    QRadioButton* allMaterials_[2] = {};
    QRadioButton* designated_[2] = {};
};

// The window registered in Cpp_DisplaySelections::SheetSlot().
class QtDisplaySheet final : public Cpp_DisplaySelections::Sheet {
public:
    explicit QtDisplaySheet(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_DisplaySheetData& data) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
