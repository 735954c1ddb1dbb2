#include "dialogs/line_list_dialogs.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/string_table.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "dialogs/line_data_windows.h"
#include "dialogs/line_editing_windows.h"

#include <QCheckBox>
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
    const char* selectedLine;
    const char* nothingSelected;
    const char* closingOtherNumber;
};

namespace {

std::string IdText(int id) { return LoadStringText(id).value_or(""); }

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Edit(const char* name, QWidget* parent, bool readOnly = false) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return edit;
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
            "This piezometric line already exists - Use the Change button to change data for "
            "piezometric line number %d.",
            "Unexpected Error:  Nothing was selected.  You should not be able to change a line when "
            "nothing is selected",
            "You have modified the data that were originally for line number %d to data for line "
            "number %d (which also exists), but you have not saved the changes.  What do yout want "
            "to do before closing this dialog box?"};
        return t;
    }
};

const LineListDialog::Texts& LineListDialog::T() const {
    return kind_ == Kind::Profile ? LineListTextsHolder::Profile()
                                  : LineListTextsHolder::Piezometric();
}

LineListDialog::LineListDialog(Kind kind, std::vector<ListLine> lines, int stage,
                               double unitWeightOfWater, QWidget* parent)
    : CmInputDialog1(parent), kind_(kind), stage_(stage), unitWeightOfWater_(unitWeightOfWater),
      lines_(std::move(lines)) {
    const bool profile = kind_ == Kind::Profile;
    setObjectName(profile ? "profileLineList" : "piezometricLineList");
    setWindowTitle(T().title);
    if (!profile) AppendStageToTitle(this, stage_);

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
    auto* current = new QGroupBox("Current line", this);
    auto* currentLayout = new QVBoxLayout(current);
    auto* lineForm = new QFormLayout;
    numberEdit_ = Edit("lineNumber", current);
    attributeEdit_ = Edit(profile ? "materialNumber" : "unitWeight", current);
    descriptionEdit_ = Edit("description", current);
    if (!profile) descriptionEdit_->setMaxLength(80);
    pointsCount_ = Edit("numberOfPoints", current, true);
    lineForm->addRow("Line number:", numberEdit_);
    lineForm->addRow(T().attributeLabel, attributeEdit_);
    lineForm->addRow("Description:", descriptionEdit_);
    lineForm->addRow("Number of points:", pointsCount_);
    currentLayout->addLayout(lineForm);

    pointList_->setParent(current);
    pointList_->SetFontByName("Courier");
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    QWidget* xHeading = MakeListHeading("X", 14, pointList_, current);
    QWidget* yHeading = MakeListHeading("Y", 14, pointList_, current);
    headings->addWidget(xHeading);
    headings->addWidget(yHeading);
    headings->addStretch();
    currentLayout->addLayout(headings);
    pointList_->setMinimumWidth(xHeading->width() + yHeading->width() + 30);
    currentLayout->addWidget(pointList_);
    auto* pointFields = new QHBoxLayout;
    xEdit_ = Edit("x", current);
    yEdit_ = Edit("y", current);
    pointFields->addWidget(new QLabel("X:", current));
    pointFields->addWidget(xEdit_);
    pointFields->addWidget(new QLabel("Y:", current));
    pointFields->addWidget(yEdit_);
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
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                     Qt::Vertical, this);
    for (QAbstractButton* b : box->buttons()) static_cast<QPushButton*>(b)->setAutoDefault(false);
    box->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(box);
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
    pointList_->SetColumnCount(2);
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    pointList_->SetColumnHeading(0, xHeading);
    pointList_->SetColumnHeading(1, yHeading);
    for (int i : {0, 1}) {
        pointList_->SetColumnType(i, CmListBoxColumns::kFixed);
        pointList_->SetColumnDecimals(i, xy);
    }
    pointList_->SetColumnEdit(0, xEdit_);
    pointList_->SetColumnEdit(1, yEdit_);
    pointList_->SetButtons(addPoint_, changePoint_, deletePoint_, deleteAllPoints_);
    pointList_->SetEntryEdit(xEdit_);
    pointList_->LayoutColumns();
    pointList_->SetEmptyText("<No points for current line>");

    dx_ = new DataExchange(this);
    dx_->Text(descriptionEdit_, description_);
    dx_->Integer(numberEdit_, number_);
    if (profile) dx_->Integer(attributeEdit_, material_);
    else dx_->Number(attributeEdit_, unitWeight_);
    dx_->Number(xEdit_, x_);
    dx_->Number(yEdit_, y_);
    dx_->Integer(pointsCount_, numberOfPoints_);
    dx_->Integer(linesCount_, numberOfLines_);

    FillLineList();
    ShowFields();
    UpdateButtons();
    WatchEntryEdit(xEdit_, addPoint_);
    WatchEntryEdit(yEdit_, addPoint_);
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
            snapshot->push_back(
                {line.number, static_cast<int>(line.attribute), line.description, line.points});
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
    if (copy.description.empty()) copy.description = FormatText(T().defaultDescription, copy.number);
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
    if (currentLine_ == index) currentLine_ = -1;
    else if (currentLine_ > index) --currentLine_;
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
    if (kind_ == Kind::Profile) material_ = 1;
    else unitWeight_ = unitWeightOfWater_;
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
        if (kind_ == Kind::Profile) material_ = static_cast<int>(line.attribute);
        else unitWeight_ = line.attribute;
        description_ = line.description;
        points_ = line.points;
        RefillPointList();
        currentPoint_ = points_.empty() ? -1 : 0;
        x_ = points_.empty() ? 0.0 : points_[0].x;
        y_ = points_.empty() ? 0.0 : points_[0].y;
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
    pointList_->FillFromPoints(points_, static_cast<int>(points_.size()));
    if (points_.empty()) pointList_->ShowEmptyText(true);
    else pointList_->ShowEmptyText(false);
    updating_ = false;
}

bool LineListDialog::LineChanged(int index) const {
    const ListLine& line = lines_.at(index);
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (line.number != number_ || line.attribute != attribute) return true;
    if (!line.description.empty() && !description_.empty() && line.description != description_)
        return true;
    if (line.points.size() != points_.size()) return true;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (line.points[i].x != points_[i].x || line.points[i].y != points_[i].y) return true;
    return false;
}

bool LineListDialog::ValidateLineFields() {
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (number_ <= 0) return ShowError(T().badNumber), false;
    if (attribute <= 0) return ShowError(T().badAttribute), false;
    if (points_.size() < 2) return ShowError(T().fewPoints), false;
    return true;
}

bool LineListDialog::StoreNewLine() {
    const double attribute = kind_ == Kind::Profile ? material_ : unitWeight_;
    if (attribute <= 0) return ShowError(T().badAttribute), false;
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
            return std::any_of(lines_.begin(), lines_.end(),
                               [m](const ListLine& l) { return static_cast<int>(l.attribute) == m; });
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
        if (existing >= 0) return ShowErrorText(T().errorCaption, FormatText(T().alreadyUsed, number_));
        StoreNewLine();
        return;
    }
    if (lines_[selected].number == number_)
        return ShowErrorText(T().errorCaption, FormatText(T().selectedLine, number_));
    if (existing >= 0) {
        const int caption = kind_ == Kind::Profile ? T().errorCaption : T().questionCaption;
        return ShowErrorText(caption, FormatText(T().alreadyUsed, number_));
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
        if (currentLine_ == selected) currentLine_ = -1;
        else if (currentLine_ > selected) --currentLine_;
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
        choice = closing
                     ? ThreeChoices(FormatText("You have modified the data that were originally for "
                                               "line number %d to data for line number %d, which "
                                               "does not currently exist.  What do yout want to do "
                                               "before closing dialog?",
                                               oldNumber, number_),
                                    FormatText("Delete line %d; Add line %d", oldNumber, number_),
                                    FormatText("Keep line %d as is; Add line %d", oldNumber, number_),
                                    "Ignore these modifications - do not save them")
                     : ThreeChoices(FormatText("You have changed the data that were originally for "
                                               "line number %d to data for line number %d, which "
                                               "does not currently exist.  What do yout want to do?",
                                               oldNumber, number_),
                                    FormatText("Delete line %d; Add line %d", oldNumber, number_),
                                    FormatText("Keep line %d as is; Add line %d", oldNumber, number_),
                                    FormatText("Do not change line %d; Do not add line %d",
                                               oldNumber, number_));
        if (choice == 3) return true;
        if (!ValidateLineFields()) return false;
        const ListLine working = WorkingLine();
        if (choice == 1) RemoveCopy(currentLine_);
        InsertCopy(working);
        return true;
    }
    choice = closing
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

bool LineListDialog::PointEdited() const {
    if (currentPoint_ < 0 || currentPoint_ >= static_cast<int>(points_.size())) return false;
    return points_[currentPoint_].x != x_ || points_[currentPoint_].y != y_;
}

int LineListDialog::PointPosition(double x, const std::optional<bool>& answer) {
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].x > x) return static_cast<int>(i);
        if (points_[i].x == x) {
            bool before = false;
            if (answer) before = *answer;
            else if (!AskInsertBeforeOrAfter(before, false, this)) return -1;
            return static_cast<int>(before ? i : i + 1);
        }
    }
    return static_cast<int>(points_.size());
}

void LineListDialog::OnAddPoint() {
    if (!ReadFields()) return;
    for (const s_tagTypePointXY& p : points_)
        if (p.x == x_ && p.y == y_) return ShowError(T().pointExists);
    const int index = PointPosition(x_, std::nullopt);
    if (index < 0) return;
    points_.insert(points_.begin() + index, {x_, y_});
    updating_ = true;
    pointList_->InsertRow(index, std::vector<double>{x_, y_});
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
    std::optional<bool> answer;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (static_cast<int>(i) == currentPoint_ || points_[i].x != x_) continue;
        bool before = false;
        if (!AskInsertBeforeOrAfter(before, false, this)) return false;
        answer = before;
    }
    points_.erase(points_.begin() + currentPoint_);
    updating_ = true;
    delete pointList_->takeItem(currentPoint_);
    const int index = PointPosition(x_, answer);
    points_.insert(points_.begin() + index, {x_, y_});
    pointList_->InsertRow(index, std::vector<double>{x_, y_});
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
    if (currentPoint_ == row) currentPoint_ = -1;
    else if (currentPoint_ > row) --currentPoint_;
    ShowFields();
    UpdateButtons();
}

void LineListDialog::OnDeleteAllPoints() {
    points_.clear();
    currentPoint_ = -1;
    x_ = y_ = 0.0;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
    ShowFields();
    UpdateButtons();
}

void LineListDialog::OnPointSelection() {
    const int chosen = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (chosen < 0) return UpdateButtons();
    const s_tagTypePointXY chosenPoint = points_.at(chosen);
    if (currentPoint_ >= 0 && currentPoint_ != chosen) {
        if (!ReadFields()) return;
        if (PointEdited()) {
            bool apply = true;
            if (kind_ == Kind::Profile)
                apply = AskYesNoText(FormatText("Data for point number %d have been modified.    Do "
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
    x_ = points_[index].x;
    y_ = points_[index].y;
    ShowFields();
    UpdateButtons();
    pointList_->FocusEntryEdit();
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
        copies.push_back({l.number, double(l.material), l.description, l.points});
    LineListDialog dialog(LineListDialog::Kind::Profile, copies, 1, 0.0, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    lines.clear();
    for (const ListLine& l : dialog.Lines())
        lines.push_back({l.number, static_cast<int>(l.attribute), l.description, l.points});
    return true;
}

bool QtPiezometricLineList::Run(int stage, double unitWeightOfWater,
                                std::vector<s_PiezometricLineCopy>& lines) {
    std::vector<ListLine> copies;
    for (const s_PiezometricLineCopy& l : lines)
        copies.push_back({l.number, l.unitWeight, l.description, l.points});
    LineListDialog dialog(LineListDialog::Kind::Piezometric, copies, stage, unitWeightOfWater,
                          owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    lines.clear();
    for (const ListLine& l : dialog.Lines())
        lines.push_back({l.number, l.attribute, l.description, l.points});
    return true;
}

}  // namespace dialogs
