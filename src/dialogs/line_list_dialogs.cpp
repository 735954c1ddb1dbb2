#include "dialogs/line_list_dialogs.h"

#include "core/format_text.h"
#include "core/geometry.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/string_table.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "dialogs/line_data_windows.h"
#include "dialogs/line_editing_windows.h"
#include "dialogs/list_dialog_parts.h"
#include "dialogs/load_list_dialogs.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace dialogs {

struct LineListDialog::Texts {
    const char* title;
    const char* attributeLabel;
    int questionCaption;
    int errorCaption;
    int badNumber, badAttribute, fewPoints, pointExists, pointCollides;
    const char* defaultDescription;  // of a line stored without one (one %d)
    const char* firstDescription;    // of the empty working line
    const char* alreadyUsed;
    const char* alreadyUsedOther;  // with another line selected
    const char* selectedLine;
    const char* nothingSelected;
    const char* closingOtherNumber;
};

namespace {

std::string IdText(int id) { return LoadStringText(id).value_or(""); }

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    return MakeListButton(text, name, parent);
}

QLineEdit* Edit(const char* name, QWidget* parent, bool readOnly = false) {
    return MakeListEdit(name, parent, readOnly);
}

std::vector<ListPoint> ToListPoints(const std::vector<s_tagTypePointXY>& points) {
    std::vector<ListPoint> result;
    for (const s_tagTypePointXY& p : points) result.push_back({p.x, p.y, 0.0, 0.0});
    return result;
}

std::vector<s_tagTypePointXY> ToXY(const std::vector<ListPoint>& points) {
    std::vector<s_tagTypePointXY> result;
    for (const ListPoint& p : points) result.push_back({p.x, p.y});
    return result;
}

}  // namespace

// The texts of each kind of line.
struct LineListTextsHolder {
    static const LineListDialog::Texts& Profile() {
        static const LineListDialog::Texts t{
            "Profile Line Data",
            "Material number:",
            5100,
            5110,
            15110,
            15120,
            15100,
            15125,
            15130,
            "Profile line %d",
            "Profile Line 1",
            "Profile Line number %d already exists - Use the Change button to change data for "
            "existing lines.",
            "Profile Line number %d already exists - Use the Change button to change data for "
            "existing lines.",
            "Line exists - Use Change button to change data for Profile Line %d.",
            "Error: Nothing selected - You must first select a line to edit",
            "You have modified the data that were originally for line number %d to data for line "
            "number %d (which also exists), but you have not saved the changes.  What do yout want "
            "to do before closing dialog?"};
        return t;
    }
    static const LineListDialog::Texts& Piezometric() {
        static const LineListDialog::Texts t{
            "Piezometric Line Data",
            "Unit weight of fluid:",
            5300,
            5310,
            15340,
            15360,
            15330,
            15320,
            15130,
            "Piezometric line %d",
            "Piezometric Line 1",
            "Piezometric line number %d already exists - Use the Change button to change data for "
            "existing lines.",
            "Piezometric line number %d already exists - Use the Change button to change data for "
            "existing lines.",
            "This piezometric line already exists - Use the Change button to change data for "
            "piezometric line number %d.",
            "Unexpected Error:  Nothing was selected.  You should not be able to change a line when "
            "nothing is selected",
            "You have modified the data that were originally for line number %d to data for line "
            "number %d (which also exists), but you have not saved the changes.  What do yout want "
            "to do before closing this dialog box?"};
        return t;
    }
    static const LineListDialog::Texts& Reinforcement() {
        static const LineListDialog::Texts t{
            "Reinforcement Line Data",
            "Maximum rotation (degs):",
            5700,
            5710,
            15705,
            0,
            15730,
            15710,
            15720,
            "",
            "",
            "Reinforcement line number %d already exists - Use the Change button to change data "
            "for existing lines.",
            "Reinforcement line number %d already exists - Use the Change button to change data "
            "for existing reinforcement lines.",
            "Line exists - Use Change button to change data for reinforcement line %d.",
            "Error: Nothing selected - You must first select a line to edit",
            "You have modified the data that were originally for line number %d to data for line "
            "number %d (which also exists), but you have not saved the changes.  What do yout want "
            "to do before closing dialog?"};
        return t;
    }
};

const LineListDialog::Texts& LineListDialog::T() const {
    switch (kind_) {
    case Kind::Profile: return LineListTextsHolder::Profile();
    case Kind::Piezometric: return LineListTextsHolder::Piezometric();
    default: return LineListTextsHolder::Reinforcement();
    }
}

LineListDialog::LineListDialog(Kind kind, std::vector<ListLine> lines, int stage,
                               double unitWeightOfWater, QWidget* parent)
    : CmInputDialog1(parent), kind_(kind), stage_(stage), unitWeightOfWater_(unitWeightOfWater),
      lines_(std::move(lines)) {
    const bool profile = kind_ == Kind::Profile;
    const bool reinforcement = Reinforcement();
    setObjectName(profile         ? "profileLineList"
                  : reinforcement ? "reinforcementLineList"
                                  : "piezometricLineList");
    setWindowTitle(T().title);
    if (kind_ == Kind::Piezometric) AppendStageToTitle(this, stage_);

    auto* layout = new QHBoxLayout(this);
    // Existing lines: the list of numbers and the line buttons.
    auto* existing = new QGroupBox("Existing Lines", this);
    auto* existingLayout = new QVBoxLayout(existing);
    existingLayout->addWidget(new QLabel("Line Nos:", existing));
    lineList_->setParent(existing);
    lineList_->SetFontByName("Courier");
    lineList_->setFixedWidth(12 * QFontMetrics(lineList_->font()).averageCharWidth() + 30);
    existingLayout->addWidget(lineList_);
    auto* linesForm = new QFormLayout;
    linesCount_ = Edit("numberOfLines", existing, true);
    linesForm->addRow("Number of lines:", linesCount_);
    existingLayout->addLayout(linesForm);
    addLine_ = Button("Add Line", "addLine", existing);
    changeLine_ = Button("Change Line", "changeLine", existing);
    deleteLine_ = Button("Delete Line", "deleteLine", existing);
    deleteAllLines_ = Button("Delete All Lines", "deleteAllLines", existing);
    for (QPushButton* b : {addLine_, changeLine_, deleteLine_, deleteAllLines_})
        existingLayout->addWidget(b);
    layout->addWidget(existing);

    // The working line.
    auto* current = new QGroupBox(reinforcement ? "Current Line" : "Current line", this);
    auto* currentLayout = new QVBoxLayout(current);
    auto* lineForm = new QFormLayout;
    numberEdit_ = Edit("lineNumber", current);
    attributeEdit_ = Edit(profile         ? "materialNumber"
                          : reinforcement ? "maximumRotation"
                                          : "unitWeight",
                          current);
    descriptionEdit_ = Edit("description", current);
    if (!profile) descriptionEdit_->setMaxLength(80);
    pointsCount_ = Edit("numberOfPoints", current, true);
    lineForm->addRow("Line number:", numberEdit_);
    lineForm->addRow(T().attributeLabel, attributeEdit_);
    // Reinforcement lines carry no description.
    if (reinforcement) {
        descriptionEdit_->hide();
        forceOptionList_ = new QComboBox(current);
        forceOptionList_->setObjectName("forceOption");
        forceOptionList_->addItems(
            {"Apply to sides of slice and shear surface", "Apply only to shear surface"});
        lineForm->addRow("Force option:", forceOptionList_);
    } else {
        lineForm->addRow("Description:", descriptionEdit_);
    }
    lineForm->addRow("Number of points:", pointsCount_);
    currentLayout->addLayout(lineForm);

    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    std::vector<ListColumnSpec> columns{{"X", 14, CmListBoxColumns::kFixed, xy},
                                        {"Y", 14, CmListBoxColumns::kFixed, xy}};
    if (reinforcement) {
        const int force = Cpp_KlivenSettings::ForceDecimals();
        columns.push_back({"Longitudinal\nForce", 14, CmListBoxColumns::kFixed, force});
        columns.push_back({"Transverse\nForce", 14, CmListBoxColumns::kFixed, force});
    }
    AddListWithHeadings(currentLayout, pointList_, current, columns,
                        "<No points for current line>");
    auto* pointFields = new QHBoxLayout;
    xEdit_ = Edit("x", current);
    yEdit_ = Edit("y", current);
    pointFields->addWidget(new QLabel("X:", current));
    pointFields->addWidget(xEdit_);
    pointFields->addWidget(new QLabel("Y:", current));
    pointFields->addWidget(yEdit_);
    QLineEdit* longitudinalEdit = nullptr;
    QLineEdit* transverseEdit = nullptr;
    if (reinforcement) {
        longitudinalEdit = Edit("longitudinal", current);
        transverseEdit = Edit("transverse", current);
        pointFields->addWidget(new QLabel("Long.:", current));
        pointFields->addWidget(longitudinalEdit);
        pointFields->addWidget(new QLabel("Trans.:", current));
        pointFields->addWidget(transverseEdit);
    }
    currentLayout->addLayout(pointFields);
    auto* pointButtons = new QGridLayout;
    addPoint_ = Button("Add Point", "addPoint", current);
    changePoint_ = Button("Change Point", "changePoint", current);
    deletePoint_ = Button("Delete Point", "deletePoint", current);
    deleteAllPoints_ = Button("Delete All Points", "deleteAllPoints", current);
    pointButtons->addWidget(addPoint_, 0, 0);
    pointButtons->addWidget(changePoint_, 0, 1);
    pointButtons->addWidget(deletePoint_, 1, 0);
    pointButtons->addWidget(deleteAllPoints_, 1, 1);
    currentLayout->addLayout(pointButtons);
    layout->addWidget(current);

    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    std::vector<QCheckBox*> displayBoxes;
    if (reinforcement) {
        QPushButton* snap = Button("\"Snap\" to Slope", "snapToSlope", this);
        side->addWidget(snap);
        connect(snap, &QPushButton::clicked, this, [this] { OnSnapToSlope(); });
        showSlopeBox_ = new QCheckBox("Show slope geometry data", this);
        showSlopeBox_->setObjectName("showSlopeData");
        side->addWidget(showSlopeBox_);
        auto* group = new QGroupBox("Display Information", this);
        auto* groupLayout = new QVBoxLayout(group);
        const std::pair<const char*, const char*> names[] = {
            {"Lines", "displayLines"},
            {"Points", "displayPoints"},
            {"Longitudinal forces", "displayLongitudinal"},
            {"Transverse forces", "displayTransverse"}};
        for (const auto& [text, name] : names) {
            auto* box = new QCheckBox(text, group);
            box->setObjectName(name);
            groupLayout->addWidget(box);
            displayBoxes.push_back(box);
        }
        side->addWidget(group);
    }
    if (profile) {
        activateEditing_ = new QCheckBox("Activate editing", this);
        activateEditing_->setObjectName("activateEditing");
        side->addWidget(activateEditing_);
    }
    side->addStretch();
    layout->addLayout(side);

    // The lists.
    lineList_->SetColumnCount(1);
    lineList_->SetColumnType(0, CmListBoxColumns::kInteger);
    lineList_->SetButtons(addLine_, changeLine_, deleteLine_, deleteAllLines_);
    lineList_->LayoutColumns();
    lineList_->SetEmptyText("<None>");
    pointList_->SetColumnEdit(0, xEdit_);
    pointList_->SetColumnEdit(1, yEdit_);
    if (reinforcement) {
        pointList_->SetColumnEdit(2, longitudinalEdit);
        pointList_->SetColumnEdit(3, transverseEdit);
    }
    pointList_->SetButtons(addPoint_, changePoint_, deletePoint_, deleteAllPoints_);
    pointList_->SetEntryEdit(xEdit_);

    dx_ = new DataExchange(this);
    dx_->Text(descriptionEdit_, description_);
    dx_->Integer(numberEdit_, number_);
    if (profile)
        dx_->Integer(attributeEdit_, material_);
    else
        dx_->Number(attributeEdit_, unitWeight_);
    dx_->Number(xEdit_, x_);
    dx_->Number(yEdit_, y_);
    dx_->Integer(pointsCount_, numberOfPoints_);
    dx_->Integer(linesCount_, numberOfLines_);
    if (reinforcement) {
        dx_->Number(longitudinalEdit, longitudinal_);
        dx_->Number(transverseEdit, transverse_);
        dx_->Choice(forceOptionList_, forceOptionIndex_);
        dx_->Check(showSlopeBox_, showSlope_);
        dx_->Check(displayBoxes[0], display_.lines);
        dx_->Check(displayBoxes[1], display_.points);
        dx_->Check(displayBoxes[2], display_.longitudinal);
        dx_->Check(displayBoxes[3], display_.transverse);
    }

    FillLineList();
    ShowFields();
    UpdateButtons();
    WatchEntryEdit(xEdit_, addPoint_);
    WatchEntryEdit(yEdit_, addPoint_);
    if (reinforcement) {
        WatchEntryEdit(longitudinalEdit, addPoint_);
        WatchEntryEdit(transverseEdit, addPoint_);
    }
    SaveDefaultButton();

    connect(addLine_, &QPushButton::clicked, this, [this] { OnAddLine(); });
    connect(changeLine_, &QPushButton::clicked, this, [this] { OnChangeLine(); });
    connect(deleteLine_, &QPushButton::clicked, this, [this] { OnDeleteLine(); });
    connect(deleteAllLines_, &QPushButton::clicked, this, [this] { OnDeleteAllLines(); });
    connect(addPoint_, &QPushButton::clicked, this, [this] { OnAddPoint(); });
    connect(changePoint_, &QPushButton::clicked, this, [this] {
        ChangePoint();
        UpdateButtons();
    });
    connect(deletePoint_, &QPushButton::clicked, this, [this] { OnDeletePoint(); });
    connect(deleteAllPoints_, &QPushButton::clicked, this, [this] { OnDeleteAllPoints(); });
    connect(lineList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!updating_) OnLineSelection();
    });
    connect(pointList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!updating_) OnPointSelection();
    });

    if (profile) {
        profileData_ = new CmProfileData(this);
        profileData_->setWindowFlag(Qt::Tool);
        auto* snapshot = new std::vector<s_ProfileLineCopy>;
        for (const ListLine& line : lines_)
            snapshot->push_back({line.number, static_cast<int>(line.attribute), line.description,
                                 ToXY(line.points)});
        connect(this, &QObject::destroyed, [snapshot] { delete snapshot; });
        profileData_->SetSource(snapshot, static_cast<int>(snapshot->size()));
        editWindow_ = new CmEditLinesAndPoints(this);
        editWindow_->setWindowFlag(Qt::Tool);
        // The snap and extend buttons have no effect here.
        connect(editWindow_, &CmEditLinesAndPoints::ButtonMessage, this, [](int) {});
        connect(activateEditing_, &QCheckBox::toggled, this, [this](bool on) {
            profileData_->setVisible(on);
            editWindow_->setVisible(on);
        });
    }
    if (reinforcement) {
        slopeWindow_ = new CmSlopeData(this);
        slopeWindow_->setWindowFlag(Qt::Tool);
        connect(showSlopeBox_, &QCheckBox::clicked, this, [this](bool on) {
            slopeWindow_->setVisible(
                on && Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry().HasSlopeData());
        });
    }
}

void LineListDialog::SetDisplayFlags(const ListDisplayFlags& flags) {
    ReadFields();
    display_ = flags;
    ShowFields();
}

LineListDialog::~LineListDialog() { delete dx_; }

void LineListDialog::FocusOnShow() {
    numberEdit_->setFocus(Qt::OtherFocusReason);
    numberEdit_->selectAll();
}

bool LineListDialog::ReadFields() { return dx_->FromWidgets(); }

void LineListDialog::ShowFields() {
    numberOfPoints_ = static_cast<int>(points_.size());
    numberOfLines_ = static_cast<int>(lines_.size());
    dx_->ToWidgets();
}

void LineListDialog::UpdateButtons() {
    lineList_->UpdateButtons();
    pointList_->UpdateButtons();
}

// ---- messages

int LineListDialog::AskYesNoCancelText(const std::string& text) {
    return AskYesNoCancelWithCaptionId(Handle(), T().questionCaption, text);
}

bool LineListDialog::AskYesNoText(const std::string& text) {
    return AskYesNoWithCaptionId(Handle(), T().questionCaption, text);
}

void LineListDialog::ShowError(int textId) {
    ShowErrorWithCaptionId(Handle(), T().errorCaption, IdText(textId));
}

void LineListDialog::ShowErrorText(int captionId, const std::string& text) {
    ShowErrorWithCaptionId(Handle(), captionId, text);
}

int LineListDialog::ThreeChoices(const std::string& text, const std::string& c1,
                                 const std::string& c2, const std::string& c3) {
    CmThreeChoiceDialog ask(this);
    ask.MessageText = QString::fromStdString(text);
    ask.Button1Text = QString::fromStdString(c1);
    ask.Button2Text = QString::fromStdString(c2);
    ask.Button3Text = QString::fromStdString(c3);
    return ask.DoModal();
}

// ---- lines

ListLine LineListDialog::WorkingLine() const {
    ListLine line;
    line.number = number_;
    line.attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    line.description = description_;
    line.points = points_;
    line.forceOption = forceOptionIndex_ + 1;
    return line;
}

int LineListDialog::FindCopy(int number) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].number == number) return static_cast<int>(i);
    return -1;
}

int LineListDialog::InsertCopy(const ListLine& line) {
    int index = 0;
    while (index < static_cast<int>(lines_.size()) && lines_[index].number <= line.number) ++index;
    ListLine copy = line;
    if (copy.description.empty())
        copy.description = FormatText(T().defaultDescription, copy.number);
    lines_.insert(lines_.begin() + index, copy);
    updating_ = true;
    lineList_->InsertRow(index, line.number);
    lineList_->SetCurSel(-1);
    updating_ = false;
    return index;
}

void LineListDialog::RemoveCopy(int index) {
    lines_.erase(lines_.begin() + index);
    updating_ = true;
    delete lineList_->takeItem(index);
    if (lines_.empty()) lineList_->ShowEmptyText(true);
    updating_ = false;
    if (currentLine_ == index)
        currentLine_ = -1;
    else if (currentLine_ > index)
        --currentLine_;
}

void LineListDialog::ReplaceCopy(int index, const ListLine& line) {
    lines_[index] = line;
    if (lines_[index].description.empty())
        lines_[index].description = FormatText(T().defaultDescription, line.number);
    updating_ = true;
    lineList_->ReplaceRow(index, {double(line.number)});
    updating_ = false;
}

void LineListDialog::FillLineList() {
    updating_ = true;
    lineList_->clear();
    for (const ListLine& line : lines_) lineList_->AddRow(line.number);
    if (lines_.empty()) lineList_->ShowEmptyText(true);
    lineList_->SetCurSel(lines_.empty() ? -1 : 0);
    updating_ = false;
    SelectLine(lines_.empty() ? -1 : 0);
}

void LineListDialog::ResetWorkingLine() {
    number_ = 1;
    if (kind_ == Kind::Profile)
        material_ = 1;
    else if (Reinforcement())
        unitWeight_ = 0.0;
    else
        unitWeight_ = unitWeightOfWater_;
    forceOptionIndex_ = 0;
    description_ = T().firstDescription;
    points_.clear();
    x_ = y_ = 0.0;
    currentPoint_ = -1;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
}

void LineListDialog::SelectLine(int index) {
    if (index >= 0 && index < static_cast<int>(lines_.size())) {
        const ListLine& line = lines_[index];
        number_ = line.number;
        if (kind_ == Kind::Profile)
            material_ = static_cast<int>(line.attribute);
        else
            unitWeight_ = line.attribute;
        description_ = line.description;
        forceOptionIndex_ = line.forceOption - 1;
        points_ = line.points;
        RefillPointList();
        currentPoint_ = points_.empty() ? -1 : 0;
        SetFieldPoint(points_.empty() ? ListPoint{} : points_[0]);
        updating_ = true;
        pointList_->SetCurSel(currentPoint_);
        updating_ = false;
    } else {
        index = -1;
        if (lines_.empty()) ResetWorkingLine();
    }
    currentLine_ = index;
    ShowFields();
    UpdateButtons();
}

void LineListDialog::RefillPointList() {
    updating_ = true;
    pointList_->clear();
    for (const ListPoint& p : points_) pointList_->AddRow(Row(p));
    if (points_.empty())
        pointList_->ShowEmptyText(true);
    else
        pointList_->ShowEmptyText(false);
    updating_ = false;
}

bool LineListDialog::LineChanged(int index) const {
    const ListLine& line = lines_.at(index);
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (line.number != number_ || line.attribute != attribute) return true;
    if (!line.description.empty() && !description_.empty() && line.description != description_)
        return true;
    if (Reinforcement() && line.forceOption != forceOptionIndex_ + 1) return true;
    if (line.points.size() != points_.size()) return true;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const ListPoint& a = line.points[i];
        const ListPoint& b = points_[i];
        if (a.x != b.x || a.y != b.y || a.longitudinal != b.longitudinal ||
            a.transverse != b.transverse)
            return true;
    }
    return false;
}

bool LineListDialog::ValidateLineFields() {
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (number_ <= 0) return ShowError(T().badNumber), false;
    if (!Reinforcement() && attribute <= 0) return ShowError(T().badAttribute), false;
    if (points_.size() < 2) return ShowError(T().fewPoints), false;
    return true;
}

bool LineListDialog::StoreNewLine() {
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (!Reinforcement() && attribute <= 0) return ShowError(T().badAttribute), false;
    if (points_.size() < 2) return ShowError(T().fewPoints), false;
    if (PointEdited()) {
        const int answer = AskYesNoCancelText(FormatText(
            "Data for point number %d have been changed.  Update data in points list before "
            "adding line?",
            currentPoint_ + 1));
        if (answer == 3 || answer == 0) return false;
        if (answer == 1 && !ChangePoint()) return false;
    }
    InsertCopy(WorkingLine());
    currentLine_ = -1;
    // The fields propose the next line.
    int next = 1;
    while (FindCopy(next) >= 0) ++next;
    number_ = next;
    if (kind_ == Kind::Profile) {
        int material = 1;
        auto used = [this](int m) {
            return std::any_of(lines_.begin(), lines_.end(), [m](const ListLine& l) {
                return static_cast<int>(l.attribute) == m;
            });
        };
        while (used(material)) ++material;
        material_ = material;
    }
    description_ = FormatText(T().defaultDescription, number_);
    points_.clear();
    currentPoint_ = -1;
    x_ = y_ = 0.0;
    RefillPointList();
    ShowFields();
    UpdateButtons();
    numberEdit_->setFocus();
    numberEdit_->selectAll();
    return true;
}

void LineListDialog::OnAddLine() {
    if (!ReadFields()) return;
    if (number_ <= 0) return ShowError(T().badNumber);
    const int selected = lineList_->DataRowCount() > 0 ? lineList_->CurSel() : -1;
    const int existing = FindCopy(number_);
    if (selected < 0) {
        if (existing >= 0)
            return ShowErrorText(T().errorCaption, FormatText(T().alreadyUsed, number_));
        StoreNewLine();
        return;
    }
    if (lines_[selected].number == number_)
        return ShowErrorText(T().errorCaption, FormatText(T().selectedLine, number_));
    if (existing >= 0) {
        const int caption = kind_ == Kind::Piezometric ? T().questionCaption : T().errorCaption;
        return ShowErrorText(caption, FormatText(T().alreadyUsedOther, number_));
    }
    StoreNewLine();
}

void LineListDialog::OnChangeLine() {
    const int selected = lineList_->DataRowCount() > 0 ? lineList_->CurSel() : -1;
    if (selected < 0) {
        ShowErrorOnWindow(Handle(), "Line Edit Error", T().nothingSelected);
        return;
    }
    if (!ReadFields()) return;
    if (PointEdited()) {
        const int answer = AskYesNoCancelText(FormatText(
            "Data for point number %d have been changed.  Are these changes to be saved for the "
            "point?",
            currentPoint_ + 1));
        if (answer == 3 || answer == 0) return;
        if (answer == 1 && !ChangePoint()) return;
    }
    if (!ValidateLineFields() || !LineChanged(selected)) return;
    const int oldNumber = lines_[selected].number;
    const int other = FindCopy(number_);
    if (number_ == oldNumber) {
        ReplaceCopy(selected, WorkingLine());
        currentLine_ = selected;
    } else if (other < 0) {
        RemoveCopy(selected);
        const int index = InsertCopy(WorkingLine());
        updating_ = true;
        lineList_->SetCurSel(index);
        updating_ = false;
        currentLine_ = index;
    } else {
        if (!AskYesNoText(FormatText("A line with the number %d already exists do you want to "
                                     "delete line %d and use these data to replace the data for "
                                     "line number %d?",
                                     number_, oldNumber, number_)))
            return;
        ReplaceCopy(other, WorkingLine());
        RemoveCopy(selected);
        const int index = FindCopy(number_);
        updating_ = true;
        lineList_->SetCurSel(index);
        updating_ = false;
        currentLine_ = index;
    }
    ShowFields();
    UpdateButtons();
}

void LineListDialog::OnDeleteLine() {
    const int selected = lineList_->DataRowCount() > 0 ? lineList_->CurSel() : -1;
    if (selected < 0) return;
    const int current = currentLine_;
    lines_.erase(lines_.begin() + selected);
    updating_ = true;
    lineList_->DeleteSelectedRow();
    updating_ = false;
    if (kind_ == Kind::Profile) {
        int line = current;
        if (line >= static_cast<int>(lines_.size())) line = static_cast<int>(lines_.size()) - 1;
        updating_ = true;
        lineList_->SetCurSel(line);
        updating_ = false;
        SelectLine(line);
    } else {
        // The piezometric dialog keeps the working line; the reinforcement dialog keeps it too
        // but leaves no line selected.
        if (currentLine_ == selected || Reinforcement())
            currentLine_ = -1;
        else if (currentLine_ > selected)
            --currentLine_;
        ShowFields();
        UpdateButtons();
    }
}

void LineListDialog::OnDeleteAllLines() {
    lines_.clear();
    updating_ = true;
    lineList_->ShowEmptyText(true);
    updating_ = false;
    currentLine_ = -1;
    SelectLine(-1);
}

bool LineListDialog::ResolveChangedLine(bool closing) {
    if (currentLine_ < 0 || !LineChanged(currentLine_)) return true;
    const int oldNumber = lines_[currentLine_].number;
    const int other = FindCopy(number_);
    if (number_ == oldNumber) {
        const std::string text =
            closing ? FormatText("You have modified the data for line number %d.  Do you want to "
                                 "save the modifications before closing dialog?",
                                 oldNumber)
                    : FormatText("Data for line number %d have changed.  Do you want to save "
                                 "changes before selecting another line?",
                                 oldNumber);
        if (!AskYesNoText(text)) return true;
        if (!ValidateLineFields()) return false;
        ReplaceCopy(currentLine_, WorkingLine());
        return true;
    }
    int choice;
    if (other < 0) {
        choice =
            closing
                ? ThreeChoices(FormatText("You have modified the data that were originally for "
                                          "line number %d to data for line number %d, which "
                                          "does not currently exist.  What do yout want to do "
                                          "before closing dialog?",
                                          oldNumber, number_),
                               FormatText("Delete line %d; Add line %d", oldNumber, number_),
                               FormatText("Keep line %d as is; Add line %d", oldNumber, number_),
                               "Ignore these modifications - do not save them")
                : ThreeChoices(
                      FormatText("You have changed the data that were originally for "
                                 "line number %d to data for line number %d, which "
                                 "does not currently exist.  What do yout want to do?",
                                 oldNumber, number_),
                      FormatText("Delete line %d; Add line %d", oldNumber, number_),
                      FormatText("Keep line %d as is; Add line %d", oldNumber, number_),
                      FormatText("Do not change line %d; Do not add line %d", oldNumber, number_));
        if (choice == 3) return true;
        if (!ValidateLineFields()) return false;
        const ListLine working = WorkingLine();
        if (choice == 1) RemoveCopy(currentLine_);
        InsertCopy(working);
        return true;
    }
    choice =
        closing
            ? ThreeChoices(FormatText(T().closingOtherNumber, oldNumber, number_),
                           FormatText("Delete line %d; Change line %d", oldNumber, number_),
                           FormatText("Keep line %d as is; Change line %d", oldNumber, number_),
                           "Ignore these modifications - do not save them")
            : ThreeChoices(FormatText("You have changed the data that were originally for "
                                      "line number %d to data for line number %d, which also "
                                      "exists.  What do yout want to do?",
                                      oldNumber, number_),
                           FormatText("Delete line %d; Change line %d", oldNumber, number_),
                           FormatText("Keep line %d as is; Change line %d", oldNumber, number_),
                           FormatText("Do not change either line %d or %d", oldNumber, number_));
    if (choice == 3) return true;
    if (!ValidateLineFields()) return false;
    ReplaceCopy(other, WorkingLine());
    if (choice == 1) RemoveCopy(currentLine_);
    return true;
}

void LineListDialog::OnLineSelection() {
    const int chosen = lineList_->DataRowCount() > 0 ? lineList_->CurSel() : -1;
    if (chosen < 0) return;
    const int chosenNumber = lines_[chosen].number;
    auto reselect = [this] {
        updating_ = true;
        lineList_->SetCurSel(currentLine_);
        updating_ = false;
    };
    if (currentLine_ >= 0 && chosen != currentLine_) {
        if (!ReadFields()) return reselect();
        if (PointEdited()) {
            const int answer = AskYesNoCancelText(
                FormatText("Data for point number %d have been changed.  Are these changes to be "
                           "saved for the point and line number %d?",
                           currentPoint_ + 1, lines_[currentLine_].number));
            if (answer == 3 || answer == 0) return reselect();
            if (answer == 1 && !ChangePoint()) return reselect();
        }
        if (!ResolveChangedLine(false)) return reselect();
    }
    // The chosen line again by its number: rows may have moved.
    const int index = FindCopy(chosenNumber);
    updating_ = true;
    lineList_->SetCurSel(index);
    updating_ = false;
    SelectLine(index);
}

// ---- points

ListPoint LineListDialog::FieldPoint() const { return {x_, y_, longitudinal_, transverse_}; }

void LineListDialog::SetFieldPoint(const ListPoint& p) {
    x_ = p.x;
    y_ = p.y;
    longitudinal_ = p.longitudinal;
    transverse_ = p.transverse;
}

std::vector<double> LineListDialog::Row(const ListPoint& p) const {
    if (Reinforcement()) return {p.x, p.y, p.longitudinal, p.transverse};
    return {p.x, p.y};
}

bool LineListDialog::PointEdited() const {
    if (currentPoint_ < 0 || currentPoint_ >= static_cast<int>(points_.size())) return false;
    const ListPoint& p = points_[currentPoint_];
    if (!Reinforcement()) return p.x != x_ || p.y != y_;
    // Differences below a relative 1e-10 are no change.
    const double xy =
        1e-10 * std::max({std::fabs(p.x), std::fabs(x_), std::fabs(p.y), std::fabs(y_)});
    const double force = 1e-10 * std::max({std::fabs(p.longitudinal), std::fabs(longitudinal_),
                                           std::fabs(p.transverse), std::fabs(transverse_)});
    return std::fabs(p.x - x_) > xy || std::fabs(p.y - y_) > xy ||
           std::fabs(p.longitudinal - longitudinal_) > force ||
           std::fabs(p.transverse - transverse_) > force;
}

int LineListDialog::PointPosition(double x, const std::optional<bool>& answer) {
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].x > x) return static_cast<int>(i);
        if (points_[i].x == x) {
            bool before = false;
            if (answer)
                before = *answer;
            else if (!AskInsertBeforeOrAfter(before, false, this))
                return -1;
            return static_cast<int>(before ? i : i + 1);
        }
    }
    return static_cast<int>(points_.size());
}

int LineListDialog::ReinforcementPosition(double x, double y) {
    int first = -1;
    int last = -1;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (points_[i].x == x) {
            if (first < 0) first = static_cast<int>(i);
            last = static_cast<int>(i);
        }
    if (first < 0) {
        for (std::size_t i = 0; i < points_.size(); ++i)
            if (points_[i].x > x) return static_cast<int>(i);
        return static_cast<int>(points_.size());
    }
    if (first == last) {
        bool before = false;
        if (!AskInsertBeforeOrAfter(before, false, this)) return -1;
        return before ? first : first + 1;
    }
    // A vertical run from first to last: the point goes where its y falls along the run.
    const double t = (y - points_[first].y) / (points_[last].y - points_[first].y);
    if (t < 0.0) return first;
    if (t > 1.0) return last + 1;
    int position = last;
    for (int b = first + 1; b <= last; ++b) {
        const double y0 = points_[b - 1].y;
        const double y1 = points_[b].y;
        if ((y0 < y && y < y1) || (y1 < y && y < y0)) position = b;
    }
    return position;
}

void LineListDialog::OnAddPoint() {
    if (!ReadFields()) return;
    for (const ListPoint& p : points_)
        if (p.x == x_ && p.y == y_) return ShowError(T().pointExists);
    const int index =
        Reinforcement() ? ReinforcementPosition(x_, y_) : PointPosition(x_, std::nullopt);
    if (index < 0) return;
    points_.insert(points_.begin() + index, FieldPoint());
    updating_ = true;
    pointList_->InsertRow(index, Row(FieldPoint()));
    updating_ = false;
    currentPoint_ = index;
    ShowFields();
    UpdateButtons();
    pointList_->FocusEntryEdit();
}

bool LineListDialog::ChangePoint() {
    if (!ReadFields()) return false;
    if (!PointEdited()) return true;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (static_cast<int>(i) != currentPoint_ && points_[i].x == x_ && points_[i].y == y_)
            return ShowError(T().pointCollides), false;
    const ListPoint changed = FieldPoint();
    int index = -1;
    if (Reinforcement()) {
        // The place among the other points, asked before anything moves.
        const ListPoint old = points_[currentPoint_];
        points_.erase(points_.begin() + currentPoint_);
        index = ReinforcementPosition(changed.x, changed.y);
        if (index < 0) {
            points_.insert(points_.begin() + currentPoint_, old);
            return false;
        }
    } else {
        std::optional<bool> answer;
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (static_cast<int>(i) == currentPoint_ || points_[i].x != x_) continue;
            bool before = false;
            if (!AskInsertBeforeOrAfter(before, false, this)) return false;
            answer = before;
        }
        points_.erase(points_.begin() + currentPoint_);
        index = PointPosition(x_, answer);
    }
    updating_ = true;
    delete pointList_->takeItem(currentPoint_);
    points_.insert(points_.begin() + index, changed);
    pointList_->InsertRow(index, Row(changed));
    updating_ = false;
    currentPoint_ = index;
    ShowFields();
    return true;
}

void LineListDialog::OnDeletePoint() {
    updating_ = true;
    const int row = pointList_->DeleteSelectedRow();
    updating_ = false;
    if (row < 0) return;
    points_.erase(points_.begin() + row);
    if (currentPoint_ == row)
        currentPoint_ = -1;
    else if (currentPoint_ > row)
        --currentPoint_;
    ShowFields();
    UpdateButtons();
}

void LineListDialog::OnDeleteAllPoints() {
    points_.clear();
    currentPoint_ = -1;
    x_ = y_ = 0.0;
    if (Reinforcement()) longitudinal_ = transverse_ = 0.0;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
    ShowFields();
    UpdateButtons();
}

void LineListDialog::OnPointSelection() {
    const int chosen = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (chosen < 0) return UpdateButtons();
    const ListPoint chosenPoint = points_.at(chosen);
    if (currentPoint_ >= 0 && currentPoint_ != chosen) {
        if (!ReadFields()) return;
        if (PointEdited()) {
            bool apply = true;
            if (kind_ == Kind::Profile)
                apply =
                    AskYesNoText(FormatText("Data for point number %d have been modified.    Do "
                                            "you want to save new coordinates before selecting "
                                            "next point?",
                                            currentPoint_ + 1));
            if (apply && !ChangePoint()) {
                updating_ = true;
                pointList_->SetCurSel(currentPoint_);
                updating_ = false;
                return;
            }
        }
    }
    int index = chosen;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (points_[i].x == chosenPoint.x && points_[i].y == chosenPoint.y)
            index = static_cast<int>(i);
    updating_ = true;
    pointList_->SetCurSel(index);
    updating_ = false;
    currentPoint_ = index;
    SetFieldPoint(points_[index]);
    ShowFields();
    UpdateButtons();
    pointList_->FocusEntryEdit();
}

void LineListDialog::OnSnapToSlope() {
    if (!ReadFields()) return;
    const Cpp_Line& slope = Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry().GetSlopeLine();
    const int n = static_cast<int>(points_.size());
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (!slope.HasPoints() || n < 2 || (selected != 0 && selected != n - 1)) return;
    const bool last = selected == n - 1;
    const Cpp_PointXY p0 = last ? Cpp_PointXY(points_[n - 2].x, points_[n - 2].y)
                                : Cpp_PointXY(points_[0].x, points_[0].y);
    const Cpp_PointXY p1 = last ? Cpp_PointXY(points_[n - 1].x, points_[n - 1].y)
                                : Cpp_PointXY(points_[1].x, points_[1].y);
    bool found = false;
    double best = 0.0;
    Cpp_PointXY snapped;
    for (const Cpp_PointXY* q = slope.FirstPoint(); q && q->Next(); q = q->Next()) {
        Cpp_PointXY crossing;
        double t = 0.0;
        double u = 0.0;
        if (!LineIntersection(p0, p1, *q, *q->Next(), 0.0, crossing, t, u) || u < 0.0 || u > 1.0)
            continue;
        // The last point: the nearest crossing from the segment's start onwards; the first: the
        // nearest one up to its end.
        const bool better =
            last ? t >= 0.0 && (!found || t < best) : t <= 1.0 && (!found || t > best);
        if (!better) continue;
        found = true;
        best = t;
        snapped = crossing;
    }
    if (!found) return;
    x_ = snapped.X();
    y_ = snapped.Y();
    ShowFields();
}

// ---- OK

void LineListDialog::accept() {
    const int selected = lineList_->DataRowCount() > 0 ? lineList_->CurSel() : -1;
    if (selected >= 0 && currentLine_ >= 0) {
        if (!ReadFields()) return;
        bool saved = true;
        if (PointEdited()) {
            const int answer = AskYesNoCancelText(
                FormatText("Data for point number %d have been changed.  Are these changes to be "
                           "saved?",
                           currentPoint_ + 1));
            // Cancel keeps the dialog open with nothing changed.
            if (answer == 3 || answer == 0) return;
            if (answer == 1) saved = ChangePoint();
        }
        if (saved) saved = ResolveChangedLine(true);
        if (!saved &&
            !AskYesNoText(FormatText("Unable to save the changes for line number %d.  Do you "
                                     "still want to close the dialog?",
                                     number_)))
            return;
    }
    QDialog::accept();
}

// ---- the slot windows

bool QtProfileLineList::Run(std::vector<s_ProfileLineCopy>& lines) {
    std::vector<ListLine> copies;
    for (const s_ProfileLineCopy& l : lines)
        copies.push_back({l.number, double(l.material), l.description, ToListPoints(l.points)});
    LineListDialog dialog(LineListDialog::Kind::Profile, copies, 1, 0.0, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    lines.clear();
    for (const ListLine& l : dialog.Lines())
        lines.push_back({l.number, static_cast<int>(l.attribute), l.description, ToXY(l.points)});
    return true;
}

bool QtPiezometricLineList::Run(int stage, double unitWeightOfWater,
                                std::vector<s_PiezometricLineCopy>& lines) {
    std::vector<ListLine> copies;
    for (const s_PiezometricLineCopy& l : lines)
        copies.push_back({l.number, l.unitWeight, l.description, ToListPoints(l.points)});
    LineListDialog dialog(LineListDialog::Kind::Piezometric, copies, stage, unitWeightOfWater,
                          owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    lines.clear();
    for (const ListLine& l : dialog.Lines())
        lines.push_back({l.number, l.attribute, l.description, ToXY(l.points)});
    return true;
}

bool QtLoadLists::EditReinforcementLines(s_ReinforcementLineListType& record) {
    std::vector<ListLine> copies;
    for (const s_ReinforcementLineCopy& l : record.lines) {
        ListLine line{l.number, l.angle, "", {}, l.forceOption};
        for (const s_ReinforcementLinePtType& p : l.points)
            line.points.push_back({p.x, p.y, p.longitudinalForce, p.transverseForce});
        copies.push_back(std::move(line));
    }
    LineListDialog dialog(LineListDialog::Kind::Reinforcement, copies, 1, 0.0, owner_);
    dialog.SetDisplayFlags({record.displayLines, record.displayPoints, record.displayLongitudinal,
                            record.displayTransverse});
    if (dialog.exec() != QDialog::Accepted) return false;
    const ListDisplayFlags flags = dialog.DisplayFlags();
    record.displayLines = flags.lines;
    record.displayPoints = flags.points;
    record.displayLongitudinal = flags.longitudinal;
    record.displayTransverse = flags.transverse;
    record.lines.clear();
    for (const ListLine& l : dialog.Lines()) {
        s_ReinforcementLineCopy copy{l.number, l.attribute, l.forceOption, {}};
        for (const ListPoint& p : l.points)
            copy.points.push_back({p.x, p.y, p.longitudinal, p.transverse});
        record.lines.push_back(std::move(copy));
    }
    return true;
}

}  // namespace dialogs
