#pragma once
// The list-style analysis windows of data-entry style 1: "Search with Noncircular Slip Surface"
// (the points of the initial trial surface with their shift constraints, kept sorted by x, and
// the three shift parameters) and "Enter Points for Line" (the points of one line, entered one at
// a time, by x when the record asks for it). Each works on its record (analysis/analysis_dialogs.h)
// and hands it back on OK; points typed but not added are dropped.

#include "analysis/analysis_dialogs.h"
#include "dialogs/input_dialog_base.h"

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dialogs {

class DataExchange;

class CmAnalCompSearchNoncInput final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit CmAnalCompSearchNoncInput(const s_NoncircularSearchType& record,
                                       QWidget* parent = nullptr);
    ~CmAnalCompSearchNoncInput() override;
    s_NoncircularSearchType Record() const;

private:
    std::string ConstraintText(const Cpp_NoncircularShearSurfacePoint& p) const;
    Cpp_NoncircularShearSurfacePoint EditedPoint() const;
    // Before the first point of larger x, else at the end; -1 when a point (other than skip)
    // has the x, after the message.
    int Position(double x, int skip);
    void Insert(int index, const Cpp_NoncircularShearSurfacePoint& p);
    void OnAddPoint();
    void OnChangePoint();
    void OnDeletePoint();
    void OnDeleteAllPoints();
    void OnSelection();
    void AngleRule();
    void Show();

    double finalShift_ = 0.0;
    double initialShift_ = 0.0;
    double steepness_ = 0.0;
    double shiftAngle_ = 0.0;
    double x_ = 0.0;
    double y_ = 0.0;
    int constraint_ = 0;
    int pointCount_ = 0;
    std::string angleFormat_;
    std::vector<Cpp_NoncircularShearSurfacePoint> points_;
    bool updating_ = false;

    DataExchange* dx_ = nullptr;
    QLineEdit* angleEdit_ = nullptr;
    QComboBox* constraintList_ = nullptr;
};

class CmSimpleXYLineInput final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit CmSimpleXYLineInput(const s_XYLineListType& record, QWidget* parent = nullptr);
    ~CmSimpleXYLineInput() override;
    const std::vector<s_tagTypePointXY>& Points() const { return points_; }

private:
    // Both duplicate checks against the points other than skip; false after the message.
    bool Allowed(double x, double y, int skip, bool adding);
    // Where a new point goes; -1 on Cancel.
    int Position(double x);
    void Insert(int index, const s_tagTypePointXY& p);
    void OnAddPoint();
    void OnChangePoint();
    // Stores the edits into the current point; false when refused or cancelled.
    bool StoreEdits();
    void OnDeletePoint();
    void OnDeleteAll();
    void OnSelection();

    s_XYLineListType record_;
    double x_ = 0.0;
    double y_ = 0.0;
    int insertPosition_ = -1;
    std::vector<s_tagTypePointXY> points_;
    bool updating_ = false;
    DataExchange* dx_ = nullptr;
};

// The windows of AnalysisListDialogsSlot().
class QtAnalysisLists final : public ::AnalysisListDialogs {
public:
    explicit QtAnalysisLists(QWidget* owner = nullptr) : owner_(owner) {}
    bool NoncircularSearch(s_NoncircularSearchType& record) override;
    bool XYLine(s_XYLineListType& record) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
