#pragma once
// The list-style dialogs of profile lines ("Profile Line Data"), of the piezometric lines of one
// stage ("Piezometric Line Data") and of reinforcement lines ("Reinforcement Line Data"): the
// stored line copies in one list, the points of one
// working line in another, edit fields for the line and for one point, and Add, Change, Delete
// and Delete All buttons for lines and for points. The fields and the point list hold the
// working line, which reaches the copies only through Add Line, Change Line, or the questions
// asked when another line is selected or OK is pressed. Points of the working line stay in
// ascending x. The dialogs differ in their line attribute (material number, unit weight of fluid
// or maximum rotation), texts and captions, in the profile dialog's "Activate editing" box, and
// in what the reinforcement dialog adds: two forces per point, vertical runs of points, the
// force option, the display boxes, "Snap" to Slope and the slope geometry window.

#include "core/point_xy.h"
#include "dialogs/input_dialog_base.h"
#include "loads/load_list_dialogs.h"
#include "porepressure/piezometric_list_dialog.h"
#include "profile/profile_list_dialog.h"

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace dialogs {

class CmEditLinesAndPoints;
class CmProfileData;
class CmSlopeData;
class DataExchange;

// One point of a line; only reinforcement lines carry the two forces.
struct ListPoint {
    double x = 0.0;
    double y = 0.0;
    double longitudinal = 0.0;
    double transverse = 0.0;
};

// One line as the dialog holds it; the attribute is the material number, the unit weight or the
// maximum rotation in degrees; the force option (1 or 2) is a reinforcement line's.
struct ListLine {
    int number = 0;
    double attribute = 0.0;
    std::string description;
    std::vector<ListPoint> points;
    int forceOption = 1;
};

// The four display flags of the reinforcement family.
struct ListDisplayFlags {
    bool lines = false;
    bool points = false;
    bool longitudinal = false;
    bool transverse = false;
};

class LineListDialog final : public CmInputDialog1 {
    Q_OBJECT
public:
    enum class Kind { Profile, Piezometric, Reinforcement };
    // The texts and message ids of a kind.
    struct Texts;
    // stage is shown in the piezometric caption; unitWeightOfWater starts a new piezometric line.
    LineListDialog(Kind kind, std::vector<ListLine> lines, int stage, double unitWeightOfWater,
                   QWidget* parent = nullptr);
    ~LineListDialog() override;

    // The stored copies as they stand.
    const std::vector<ListLine>& Lines() const { return lines_; }
    // Reinforcement: the display boxes, set before the dialog is shown and read after OK.
    void SetDisplayFlags(const ListDisplayFlags& flags);
    ListDisplayFlags DisplayFlags() const { return display_; }
    void accept() override;

    CmProfileData* ProfileDataWindow() const { return profileData_; }
    CmEditLinesAndPoints* EditWindow() const { return editWindow_; }
    CmSlopeData* SlopeWindow() const { return slopeWindow_; }

protected:
    void FocusOnShow() override;

private:
    const Texts& T() const;

    // Fields <-> members.
    bool ReadFields();
    void ShowFields();
    // Lines.
    void FillLineList();
    void SelectLine(int index);
    void ResetWorkingLine();
    bool LineChanged(int index) const;
    bool ValidateLineFields();
    ListLine WorkingLine() const;
    int FindCopy(int number) const;
    // Inserts before the first copy with a larger number; answers the index.
    int InsertCopy(const ListLine& line);
    void RemoveCopy(int index);
    void ReplaceCopy(int index, const ListLine& line);
    bool StoreNewLine();
    void OnAddLine();
    void OnChangeLine();
    void OnDeleteLine();
    void OnDeleteAllLines();
    void OnLineSelection();
    // Points.
    bool Reinforcement() const { return kind_ == Kind::Reinforcement; }
    ListPoint FieldPoint() const;
    void SetFieldPoint(const ListPoint& p);
    std::vector<double> Row(const ListPoint& p) const;
    bool PointEdited() const;
    // Where a point at x goes by the insert rule; with answer, a same-x point is decided without
    // asking. -1 when the question was cancelled.
    int PointPosition(double x, const std::optional<bool>& answer);
    // The reinforcement order: by x, a vertical run of equal x ordered by y; -1 on Cancel.
    int ReinforcementPosition(double x, double y);
    void OnSnapToSlope();
    void OnAddPoint();
    // Applies the edited fields to the current point; false when refused or cancelled.
    bool ChangePoint();
    void OnDeletePoint();
    void OnDeleteAllPoints();
    void OnPointSelection();
    void RefillPointList();
    void UpdateButtons();
    // Answers of the question boxes: 1 Yes, 2 No, 3 Cancel.
    int AskYesNoCancelText(const std::string& text);
    bool AskYesNoText(const std::string& text);
    void ShowError(int textId);
    void ShowErrorText(int captionId, const std::string& text);
    int ThreeChoices(const std::string& text, const std::string& c1, const std::string& c2,
                     const std::string& c3);
    // Step 2 of a line selection and of OK: what to do with a changed working line. False when
    // a validation failed.
    bool ResolveChangedLine(bool closing);

    Kind kind_;
    int stage_;
    double unitWeightOfWater_;
    std::vector<ListLine> lines_;
    // The working line.
    std::string description_;
    int number_ = 0;
    int material_ = 0;
    double unitWeight_ = 0.0;
    double x_ = 0.0;
    double y_ = 0.0;
    double longitudinal_ = 0.0;
    double transverse_ = 0.0;
    int forceOptionIndex_ = -1;
    bool showSlope_ = false;
    ListDisplayFlags display_;
    int numberOfPoints_ = 0;
    int numberOfLines_ = 0;
    std::vector<ListPoint> points_;
    bool updating_ = false;

    DataExchange* dx_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QLineEdit* attributeEdit_ = nullptr;
    QLineEdit* xEdit_ = nullptr;
    QLineEdit* yEdit_ = nullptr;
    QLineEdit* pointsCount_ = nullptr;
    QLineEdit* linesCount_ = nullptr;
    QPushButton* addLine_ = nullptr;
    QPushButton* changeLine_ = nullptr;
    QPushButton* deleteLine_ = nullptr;
    QPushButton* deleteAllLines_ = nullptr;
    QPushButton* addPoint_ = nullptr;
    QPushButton* changePoint_ = nullptr;
    QPushButton* deletePoint_ = nullptr;
    QPushButton* deleteAllPoints_ = nullptr;
    QCheckBox* activateEditing_ = nullptr;
    QComboBox* forceOptionList_ = nullptr;
    QCheckBox* showSlopeBox_ = nullptr;
    CmProfileData* profileData_ = nullptr;
    CmEditLinesAndPoints* editWindow_ = nullptr;
    CmSlopeData* slopeWindow_ = nullptr;
};

// The windows of the profile and piezometric list slots: OK hands the copies back.
class QtProfileLineList final : public ProfileLineListDialog {
public:
    explicit QtProfileLineList(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(std::vector<s_ProfileLineCopy>& lines) override;

private:
    QWidget* owner_;
};

class QtPiezometricLineList final : public PiezometricLineListDialog {
public:
    explicit QtPiezometricLineList(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(int stage, double unitWeightOfWater,
             std::vector<s_PiezometricLineCopy>& lines) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
