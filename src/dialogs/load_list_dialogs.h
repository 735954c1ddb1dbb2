#pragma once
// The list-style load dialogs of data-entry style 1: "Distributed Load Input Data" (the load
// points of one stage in ascending x, or the piezometric line they come from, with the profile,
// slope and piezometric data windows to pick from) and "Line Load Data" (the line loads of one
// stage in the order they were added). Each works on the record of its table
// (loads/load_table_dialogs.h) and hands it back on OK.

#include "dialogs/input_dialog_base.h"
#include "loads/load_list_dialogs.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace dialogs {

class CmPiezometricData;
class CmProfileData;
class CmSlopeData;
class DataExchange;

class CmDistributedLoadInput final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit CmDistributedLoadInput(const s_DistributedLoadTable& table, QWidget* parent = nullptr);
    ~CmDistributedLoadInput() override;

    // The record as the dialog holds it.
    s_DistributedLoadTable Table() const;
    void accept() override;

    CmProfileData* ProfileWindow() const { return profileWindow_; }
    CmPiezometricData* PiezometricWindow() const { return piezometricWindow_; }
    CmSlopeData* SlopeWindow() const { return slopeWindow_; }

private:
    void LineNumberRule();
    void OnFromLineClicked();
    void OnAddPoint();
    // Applies the edits to the current point; false when refused or cancelled.
    bool ChangePoint();
    void OnDeletePoint();
    void OnDeleteAll();
    void OnSelection();
    void ShowWindow(QCheckBox* box, QWidget* window, bool hasData);
    void OnPiezometricPick();
    void TakePickedPoint(double x, double y);
    // The position of a point at x by the order rule: before or after the first point of that x
    // (asked unless answer is given), before the first larger x, or at the end; -1 on Cancel.
    int Position(double x, double y, const bool* answer);
    bool EditsDiffer() const;
    void Place(int index, const s_DistributedLoadPoint& p);
    void Show();

    int stage_;
    bool fromLine_ = false;
    int lineNumber_ = 0;
    s_DistributedLoadPoint edits_;
    int numberOfPoints_ = 0;
    std::vector<s_DistributedLoadPoint> points_;
    bool updating_ = false;

    DataExchange* dx_ = nullptr;
    QCheckBox* fromLineBox_ = nullptr;
    QLineEdit* lineEdit_ = nullptr;
    std::vector<QLineEdit*> pointEdits_;
    QCheckBox* showProfile_ = nullptr;
    QCheckBox* showSlope_ = nullptr;
    QCheckBox* showPiezometric_ = nullptr;
    QPushButton* addPoint_ = nullptr;
    CmProfileData* profileWindow_ = nullptr;
    CmPiezometricData* piezometricWindow_ = nullptr;
    CmSlopeData* slopeWindow_ = nullptr;
};

class CmLineLoadInput final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit CmLineLoadInput(const s_LineLoadTable& table, QWidget* parent = nullptr);
    ~CmLineLoadInput() override;

    const std::vector<s_LineLoadType>& Loads() const { return loads_; }

private:
    void ForceFields();
    void OnAddLoad();
    void OnChangeLoad();
    void OnDeleteLoad();
    void OnDeleteAll();
    void OnSelection();
    // The record of the edits, its other pair computed; false (with the message) when zero.
    bool RecordOfEdits(s_LineLoadType& record);
    void ShowRecord(const s_LineLoadType& record);
    static std::vector<double> Row(const s_LineLoadType& record);

    int stage_;
    s_LineLoadType edits_;
    int forceForm_ = 0;
    int numberOfLoads_ = 0;
    std::vector<s_LineLoadType> loads_;
    bool updating_ = false;

    DataExchange* dx_ = nullptr;
    QComboBox* forceFormList_ = nullptr;
    std::vector<QLineEdit*> edits;
};

// The windows of LoadListDialogsSlot().
class QtLoadLists final : public Cpp_LoadListDialogs {
public:
    explicit QtLoadLists(QWidget* owner = nullptr) : owner_(owner) {}
    bool EditDistributedLoads(s_DistributedLoadTable& table) override;
    bool EditLineLoads(s_LineLoadTable& table) override;
    bool EditReinforcementLines(s_ReinforcementLineListType& lines) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
