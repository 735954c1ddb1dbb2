#pragma once
// The line data windows: small modeless windows that list every point of every line of a family,
// one row per point, so that a point or a line can be picked by clicking its row. CmProfileData
// lists profile lines (of the data set, or of a dialog's copies), CmPiezometricData the
// piezometric lines of one stage of the current data set. Each is filled once, when first shown;
// a row pick is announced by a signal, after which the host asks for the picked value. The
// windows only read data.

#include "core/point_xy.h"
#include "dialogs/list_box.h"
#include "profile/profile_list_dialog.h"

#include <QDialog>

#include <vector>

class Cpp_ProfileLineList;

namespace dialogs {

class CmProfileData final : public QDialog {
    Q_OBJECT
public:
    explicit CmProfileData(QWidget* parent = nullptr);
    // The source, set before the window is first shown: the data set's list, or the first count
    // of a host's line copies.
    void SetSource(const Cpp_ProfileLineList* lines) { lines_ = lines; }
    void SetSource(const std::vector<s_ProfileLineCopy>* copies, int count) {
        copies_ = copies;
        copyCount_ = count;
    }
    // False when the list is not filled or no row is selected.
    bool GetSelectedPoint(double& x, double& y) const;
    CmListBox* List() const { return list_; }

signals:
    void PointPicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();

    CmListBox* list_;
    std::vector<s_tagTypePointXY> rowPoints_;
    bool filled_ = false;
    const Cpp_ProfileLineList* lines_ = nullptr;
    const std::vector<s_ProfileLineCopy>* copies_ = nullptr;
    int copyCount_ = 0;
};

class CmPiezometricData final : public QDialog {
    Q_OBJECT
public:
    explicit CmPiezometricData(QWidget* parent = nullptr);
    void SetStage(int stage) { stage_ = stage; }
    // False when the list is not filled or no row is selected.
    bool GetSelectedLineNumber(int& number) const;
    CmListBox* List() const { return list_; }

signals:
    void LinePicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();

    CmListBox* list_;
    std::vector<int> rowLines_;
    bool filled_ = false;
    int stage_ = 1;
};

// The points of the current data set's slope line ("Slope Geometry Data"), beside the list-style
// load and reinforcement dialogs. Filled once, when first shown (nothing before a slope exists).
class CmSlopeData final : public QDialog {
    Q_OBJECT
public:
    explicit CmSlopeData(QWidget* parent = nullptr);
    // False when the list is not filled or no row is selected.
    bool GetSelectedPoint(double& x, double& y) const;
    CmListBox* List() const { return list_; }

signals:
    void PointPicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CmListBox* list_;
    std::vector<s_tagTypePointXY> rowPoints_;
    bool filled_ = false;
};

// A heading label above a list column, as wide as chars characters of the list's font.
QWidget* MakeListHeading(const QString& text, int chars, const CmListBox* list, QWidget* parent);

}  // namespace dialogs
