// The input windows of the analysis data driven through their widgets from Ctrl+A (the main
// dialog confirmed at the data's own shape and type), and "Definitions for Varying Radii"
// through its launcher.

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_dialogs.h"
#include "app/main_frame.h"
#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "dialogs/analysis_main_dialog.h"
#include "dialogs/circle_dialogs.h"
#include "dialogs/fixed_grid_sheet.h"
#include "dialogs/noncircular_search_dialog.h"
#include "dialogs/radius_criteria.h"
#include "dialogs/radius_group.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using A = Cpp_AnalysisComputationData;

// Runs the action once the modal dialog of that object name is up.
void WhenDialog(const QString& name, std::function<void(QDialog*)> action, bool& reached) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, name, action, &reached] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal->objectName() != name) return;
        timer->stop();
        timer->deleteLater();
        reached = true;
        action(modal);
    });
    timer->start(10);
}

void Press(QDialog* d, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}
void Click(QDialog* d, const char* button) {
    QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
}
QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
void Type(QWidget* d, const char* name, const QString& text) {
    QLineEdit* edit = Edit(d, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
// Chooses an item of a combo box with the arrow keys, as a user does.
void Choose(QWidget* d, const char* combo, int index) {
    auto* box = d->findChild<QComboBox*>(combo);
    while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
}
gridctrl::CGridCtrlKDX& TableOf(QDialog* d) {
    return d->findChild<dialogs::RadiusGroup*>()->Table();
}
QStringList Lines(QDialog* d) {
    QStringList lines;
    auto* list = d->findChild<QListWidget*>("criteria");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}
int SelectedLine(QDialog* d) {
    auto* list = d->findChild<QListWidget*>("criteria");
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}
// The value a table cell shows.
double Cell(gridctrl::CGridCtrlKDX& table, int row, int col) {
    return std::stod(table.GetCellText(row, col));
}
void ClickLine(QDialog* d, int row) {
    auto* list = d->findChild<QListWidget*>("criteria");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The analysis block as the writer writes it.
std::string WrittenBlock(const A& data) {
    std::FILE* f = std::tmpfile();
    data.WriteKLIVEN4InputDataFile(f);
    std::fflush(f);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

// The block read back (without its command line) into new data, written again.
std::string ReadAndWrittenAgain(const std::string& block) {
    std::FILE* in = std::tmpfile();
    std::FILE* listing = std::tmpfile();
    std::fputs(block.substr(block.find('\n') + 1).c_str(), in);
    std::rewind(in);
    A again;
    const bool read = again.ReadInput(false, in, listing, true);
    SetOutputFile(nullptr);
    Cpp_DataErrorOutput::SetErrorFile(nullptr);
    std::fclose(in);
    std::fclose(listing);
    return read ? WrittenBlock(again) : "(not read)";
}

std::vector<s_tagTypePointXY> Points(int n) {
    std::vector<s_tagTypePointXY> points;
    for (int i = 0; i < n; ++i) points.push_back({1.0 + i, 2.0 + 0.5 * i});
    return points;
}

class AnalysisInputWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AnalysisMainDialogsSlot().Set(&main_);
        CircleInputDialogsSlot().Set(&circles_);
        FixedGridSearchSheetSlot().Set(&sheet_);
        RadiusDefinitionsDialogSlot().Set(&radii_);
        NoncircularSearchDialogSlot().Set(&noncircular_);
    }
    void TearDown() override { frame_.Doc().SetModifiedFlag(false); }

    A& Data() { return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData(); }
    void Given(bool circular, int mode) {
        Data().SetCircular(circular);
        Data().SetMode(mode);
    }
    // Ctrl+A, OK in the main dialog, then the action in the input window of that name.
    void OpenInput(const QString& name, const std::function<void(QDialog*)>& action) {
        bool mainReached = false, inputReached = false;
        WhenDialog(
            "analysisMainDialog",
            [&](QDialog* d) {
                WhenDialog(name, action, inputReached);
                Press(d, QDialogButtonBox::Ok);
            },
            mainReached);
        frame_.OnCommand(ID_ANALYSIS_COMPUTATION);
        EXPECT_TRUE(mainReached);
        EXPECT_TRUE(inputReached);
    }
    std::vector<std::string> Messages() const { return fakes_.messageBoxes.Texts(); }

    testsupport::FakeServices fakes_;
    app::MainFrame frame_;
    dialogs::QtAnalysisMainDialogs main_{&frame_};
    dialogs::QtCircleInputDialogs circles_{&frame_};
    dialogs::QtFixedGridSearchSheet sheet_{&frame_};
    dialogs::QtRadiusDefinitionsDialog radii_{&frame_};
    dialogs::QtNoncircularSearchDialog noncircular_{&frame_};
};

// A 10-point tangent line opens in 11 rows; "Value of radius" empties the table; the tangent
// kind switched away and back refills it with the opening points; Cancel keeps the data.
TEST_F(AnalysisInputWindowsTest, IndividualCircleTangentTableFollowsTheChoices) {
    Given(true, A::kIndividual);
    Data().SetRadiusOption(2);
    const auto points = Points(10);
    Data().GetTangentLine()->SetIrregularPoints(points.data(), 10);
    OpenInput("individualCircleDialog", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Input for Individual Circle");
        gridctrl::CGridCtrlKDX& table = TableOf(d);
        EXPECT_EQ(table.GetRowCount(), 11);
        EXPECT_EQ(table.GetCellText(0, 1), "X");
        EXPECT_EQ(Cell(table, 10, 1), 10);
        EXPECT_EQ(Cell(table, 10, 2), 6.5);
        EXPECT_TRUE(table.IsGridEnabled());
        EXPECT_FALSE(Edit(d, "tangentElevation")->isEnabled());
        EXPECT_FALSE(Edit(d, "radius")->isEnabled());

        table.SetCellText(1, 1, "99");
        Choose(d, "radiusOption", 0);
        EXPECT_EQ(table.GetCellText(1, 1), "");
        EXPECT_FALSE(table.IsGridEnabled());
        EXPECT_TRUE(Edit(d, "radius")->isEnabled());
        EXPECT_FALSE(Edit(d, "fixedX")->isEnabled());
        Choose(d, "radiusOption", 2);
        EXPECT_TRUE(table.IsGridEnabled());
        EXPECT_EQ(table.GetCellText(1, 1), "");
        Choose(d, "tangentKind", 0);
        EXPECT_FALSE(table.IsGridEnabled());
        EXPECT_TRUE(Edit(d, "tangentElevation")->isEnabled());
        Choose(d, "tangentKind", 1);
        EXPECT_EQ(Cell(table, 1, 1), 1);
        EXPECT_EQ(Cell(table, 10, 1), 10);
        Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(Data().GetTangentLine()->Points().size(), 10u);
    EXPECT_FALSE(Data().HasData());
    EXPECT_FALSE(frame_.Doc().IsModified());
}

// An irregular tangent line needs two points: one is refused with the table's message and the
// dialog stays open; fields typed with two points come back on OK.
TEST_F(AnalysisInputWindowsTest, IndividualCircleStoresOnlyAWholeTangentLine) {
    Given(true, A::kIndividual);
    OpenInput("individualCircleDialog", [&](QDialog* d) {
        Type(d, "centreX", "5");
        Type(d, "centreY", "40.25");
        Choose(d, "radiusOption", 2);
        Choose(d, "tangentKind", 1);
        gridctrl::CGridCtrlKDX& table = TableOf(d);
        table.SetCellText(1, 1, "0");
        table.SetCellText(1, 2, "10");
        Press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(Messages(), std::vector<std::string>{"Not enough values (rows of data): 1 values "
                                                       "entered, minimum number required = 2"});
        table.SetCellText(2, 1, "30");
        table.SetCellText(2, 2, "12");
        Press(d, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(Data().GetCircleCenter().x, 5);
    EXPECT_EQ(Data().GetCircleCenter().y, 40.25);
    EXPECT_EQ(Data().GetRadiusOption(), 2);
    const Cpp_TangentLine& line = *Data().GetTangentLine();
    EXPECT_EQ(line.GetOption(), Cpp_TangentLine::kIrregular);
    ASSERT_EQ(line.Points().size(), 2u);
    EXPECT_EQ(line.Points()[1].x, 30);
    EXPECT_TRUE(Data().HasData());
    EXPECT_TRUE(frame_.Doc().IsModified());
}

// After OK the end points of the circle are computed again: without a slope line both lie at
// the circle's lowest point.
TEST_F(AnalysisInputWindowsTest, OkRecomputesTheEndPointsOfTheCircle) {
    Given(true, A::kIndividual);
    Data().SetRadiusOption(0);
    OpenInput("individualCircleDialog", [&](QDialog* d) {
        Type(d, "centreX", "30");
        Type(d, "centreY", "20");
        Type(d, "radius", "20");
        Press(d, QDialogButtonBox::Ok);
    });
    s_tagTypePointXY first{-1, -1}, second{-1, -1};
    ASSERT_TRUE(Data().GetToolRadiusDefinition(first, second));
    EXPECT_EQ(first.x, 30);
    EXPECT_EQ(first.y, 0);
    EXPECT_EQ(second.x, 30);
    EXPECT_TRUE(frame_.Doc().IsModified());
}

// The centre limit's check box enables its elevation; cleared, the elevation is still kept.
TEST_F(AnalysisInputWindowsTest, FloatingGridKeepsTheLimitElevationWhenOff) {
    Given(true, A::kSearchType1);
    Data().SetLowestCenter(true, -3);
    OpenInput("floatingGridDialog", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Input for Type 1 \"Floating Grid\" Search with Circles");
        auto* limit = d->findChild<QCheckBox*>("centreLimit");
        EXPECT_TRUE(limit->isChecked());
        EXPECT_TRUE(Edit(d, "centreLimitElevation")->isEnabled());
        Type(d, "centreLimitElevation", "-7.5");
        QTest::mouseClick(limit, Qt::LeftButton, {}, QPoint(5, limit->height() / 2));
        EXPECT_FALSE(Edit(d, "centreLimitElevation")->isEnabled());
        Type(d, "minimumSpacing", "0.25");
        QTest::mouseClick(d->findChild<QCheckBox*>("rejectInverted"), Qt::LeftButton, {},
                          QPoint(5, 5));
        Choose(d, "radiusOption", 1);
        Type(d, "fixedX", "3");
        Type(d, "fixedY", "4");
        Press(d, QDialogButtonBox::Ok);
    });
    double y = 0;
    EXPECT_FALSE(Data().GetLowestCenter(y));
    EXPECT_EQ(y, -7.5);
    EXPECT_EQ(Data().GetMinimumGridSpacing(), 0.25);
    EXPECT_TRUE(Data().NoInvertedCircles());
    EXPECT_EQ(Data().GetRadiusOption(), 1);
    EXPECT_EQ(Data().GetThroughPointX(), 3);
}

// Line mode shows the end points and the count along the line, draws a line of 8 dots instead
// of 7 by 7 cells, and stores both counts and corners 1 and 2 only.
TEST_F(AnalysisInputWindowsTest, FixedGridSheetLineMode) {
    Given(true, A::kSearchType2);
    Cpp_FixedSearchGrid& grid = Data().GetFixedSearchGrid();
    grid.SetCounts(5, 6);
    for (int i = 1; i <= 4; ++i) grid.SetCorner(i, 10 * i, 20 * i);
    OpenInput("fixedGridSheet", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Input for Type 2 \"Fixed Grid\" Search with Circles");
        auto* tabs = d->findChild<QTabWidget*>();
        EXPECT_EQ(tabs->tabText(0), "Grid");
        EXPECT_EQ(tabs->tabText(1), "Radii Information");
        auto* picture = d->findChild<dialogs::GridPicture*>();
        EXPECT_EQ(picture->Drawn().thickLines.size(), 4u);
        EXPECT_EQ(picture->Drawn().thinLines.size(), 12u);
        EXPECT_TRUE(picture->Drawn().dots.empty());
        EXPECT_EQ(Edit(d, "pointsAlongLine")->text(), "5");
        EXPECT_EQ(Edit(d, "secondEndX")->text(), "20");
        EXPECT_FALSE(Edit(d, "firstEndX")->isVisible());
        auto* line = d->findChild<QCheckBox*>("line");
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(5, line->height() / 2));
        EXPECT_TRUE(Edit(d, "firstEndX")->isVisible());
        EXPECT_FALSE(Edit(d, "corner1x")->isVisible());
        EXPECT_EQ(picture->Drawn().thickLines.size(), 1u);
        EXPECT_EQ(picture->Drawn().dots.size(), 8u);
        Type(d, "pointsAlongLine", "9");
        Type(d, "firstEndY", "-1");
        Press(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(grid.IsLine());
    EXPECT_EQ(grid.PointsAcross(), 9);
    EXPECT_EQ(grid.PointsUp(), 9);
    EXPECT_EQ(grid.Corner(1).y, -1);
    EXPECT_EQ(grid.Corner(2).x, 20);
    EXPECT_EQ(grid.Corner(3).x, 30);
    EXPECT_EQ(grid.Corner(4).y, 80);
}

// The radii page lists every kind of criterion; "New" stores the fields into the current one
// first; deleting the last line selects the one before; OK stores the shown fields.
TEST_F(AnalysisInputWindowsTest, FixedGridSheetCriteria) {
    Given(true, A::kSearchType2);
    Cpp_RadiusDefinitionList& list = Data().GetRadiusDefinitionList();
    list.AddGivenRadius(10);
    list.AddFixedPoint(3, 4.5);
    Cpp_TangentLine* horizontal = list.AddTangentLine()->GetTangentLine();
    horizontal->ChangeOption(Cpp_TangentLine::kHorizontal);
    horizontal->SetElevation(12);
    const auto points = Points(3);
    list.AddTangentLine()->GetTangentLine()->SetIrregularPoints(points.data(), 3);
    list.SetIncrementControl(4, 0.5);
    OpenInput("fixedGridSheet", [&](QDialog* d) {
        d->findChild<QTabWidget*>()->setCurrentIndex(1);
        EXPECT_EQ(Lines(d), QStringList({"Specified radius = 10.00",
                                         "Point through which circles pass - X: 3.00, Y: 4.50",
                                         "Horizontal tangent line at Y = 12.00",
                                         "Irregular tangent line w/ 3 pts - First Pt. X: 1.00, "
                                         "Y: 2.00"}));
        EXPECT_EQ(Edit(d, "radius")->text(), "10");
        Type(d, "radius", "15");
        Click(d, "new");
        EXPECT_EQ(Lines(d).at(0), "Specified radius = 15.00");
        EXPECT_EQ(Lines(d).at(4), "Criterion number 5");
        Click(d, "delete");
        EXPECT_EQ(Lines(d).size(), 4);
        EXPECT_EQ(SelectedLine(d), 3);
        EXPECT_EQ(Cell(TableOf(d), 3, 2), 3);
        ClickLine(d, 1);
        Type(d, "fixedY", "6");
        Type(d, "increments", "7");
        Press(d, QDialogButtonBox::Ok);
    });
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetNth(1)->GetGivenRadius(), 15);
    EXPECT_EQ(list.GetNth(2)->GetFixedPoint().y, 6);
    EXPECT_EQ(list.GetNth(4)->GetTangentLine()->NumberOfPoints(), 3);
    EXPECT_EQ(list.GetSubdivisions(), 7);
    EXPECT_EQ(list.GetMinimumIncrement(), 0.5);

    // The written block reads back equal.
    const std::string block = WrittenBlock(Data());
    EXPECT_EQ(ReadAndWrittenAgain(block), block);
}

// A criterion added with "New" reaches the data only stored: data without criteria, a typed
// radius and OK store nothing; "New" then OK stores the radius; an irregular line of one point
// keeps the sheet open on its page with nothing stored.
TEST_F(AnalysisInputWindowsTest, FixedGridSheetStoresNoUnfinishedCriterion) {
    Given(true, A::kSearchType2);
    Cpp_RadiusDefinitionList& list = Data().GetRadiusDefinitionList();
    OpenInput("fixedGridSheet", [&](QDialog* d) {
        Type(d, "radius", "10");
        Press(d, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(list.GetCount(), 0);

    OpenInput("fixedGridSheet", [&](QDialog* d) {
        Type(d, "radius", "10");
        Click(d, "new");
        EXPECT_EQ(Lines(d), QStringList({"Criterion number 1"}));
        Click(d, "new");
        EXPECT_EQ(Lines(d), QStringList({"Specified radius = 10.00", "Criterion number 2"}));
        Choose(d, "radiusOption", 2);
        Choose(d, "tangentKind", 1);
        TableOf(d).SetCellText(1, 1, "4");
        TableOf(d).SetCellText(1, 2, "5");
        auto* tabs = d->findChild<QTabWidget*>();
        tabs->setCurrentIndex(0);
        Press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(tabs->currentIndex(), 1);
        EXPECT_EQ(Messages().size(), 1u);
        Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(list.GetCount(), 0);

    OpenInput("fixedGridSheet", [&](QDialog* d) {
        Type(d, "radius", "10");
        Click(d, "new");
        Press(d, QDialogButtonBox::Ok);
    });
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetNth(1)->GetOption(), Cpp_RadiusDefinition::kGivenRadius);
    EXPECT_EQ(list.GetNth(1)->GetGivenRadius(), 10);
}

// "Definitions for Varying Radii" opens on its first criterion, highlighted and shown in the
// fields; "New" highlights the new line, whose values the fields now are; choosing another
// line stores the shown one; OK stores the current fields; "Delete" and "Delete All" act as
// on the radii page.
TEST_F(AnalysisInputWindowsTest, RadiusDefinitionsDialog) {
    Cpp_RadiusDefinitionList& list = Data().GetRadiusDefinitionList();
    for (double r : {10.0, 20.0, 30.0}) list.AddGivenRadius(r);
    bool reached = false;
    WhenDialog(
        "radiusDefinitionsDialog",
        [&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Definitions for Varying Radii");
            EXPECT_EQ(Lines(d).size(), 3);
            EXPECT_EQ(SelectedLine(d), 0);
            EXPECT_TRUE(Edit(d, "radius")->isEnabled());
            EXPECT_EQ(Edit(d, "radius")->text(), "10");
            Type(d, "radius", "5");
            Click(d, "new");
            EXPECT_EQ(Lines(d).at(0), "Specified radius = 5.00");
            EXPECT_EQ(Lines(d).at(3), "Criterion number 4");
            EXPECT_EQ(SelectedLine(d), 3);
            Type(d, "radius", "40");
            ClickLine(d, 0);  // stores 40 into the new criterion, shows the first one
            EXPECT_EQ(Lines(d).at(3), "Specified radius = 40.00");
            EXPECT_EQ(Edit(d, "radius")->text(), "5");
            Type(d, "radius", "11");
            ClickLine(d, 1);
            EXPECT_EQ(Lines(d).at(0), "Specified radius = 11.00");
            EXPECT_EQ(Edit(d, "radius")->text(), "20");
            Type(d, "radius", "22");
            ClickLine(d, 2);
            Click(d, "delete");
            EXPECT_EQ(Lines(d).size(), 3);
            EXPECT_EQ(Lines(d).at(2), "Specified radius = 40.00");
            EXPECT_EQ(SelectedLine(d), 2);
            EXPECT_EQ(Edit(d, "radius")->text(), "40");
            Type(d, "radius", "44");
            Press(d, QDialogButtonBox::Ok);
        },
        reached);
    EXPECT_TRUE(Data().EditRadiusDefinitions());
    EXPECT_TRUE(reached);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetNth(1)->GetGivenRadius(), 11);
    EXPECT_EQ(list.GetNth(2)->GetGivenRadius(), 22);
    EXPECT_EQ(list.GetNth(3)->GetGivenRadius(), 44);

    reached = false;
    WhenDialog(
        "radiusDefinitionsDialog",
        [&](QDialog* d) {
            Click(d, "deleteAll");
            EXPECT_TRUE(Lines(d).isEmpty());
            Type(d, "minimumIncrement", "0.75");
            Press(d, QDialogButtonBox::Ok);
        },
        reached);
    EXPECT_TRUE(Data().EditRadiusDefinitions());
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetMinimumIncrement(), 0.75);
}

// OK stores the shown criterion first: an irregular tangent line of one point keeps the
// dialog open with the table's message, and Cancel then stores nothing.
TEST_F(AnalysisInputWindowsTest, RadiusDefinitionsOkStaysOpenWhenTheShownCriterionFails) {
    Cpp_RadiusDefinitionList& list = Data().GetRadiusDefinitionList();
    list.AddGivenRadius(10);
    bool reached = false;
    WhenDialog(
        "radiusDefinitionsDialog",
        [&](QDialog* d) {
            ClickLine(d, 0);
            Choose(d, "radiusOption", 2);
            Choose(d, "tangentKind", 1);
            TableOf(d).SetCellText(1, 1, "4");
            TableOf(d).SetCellText(1, 2, "5");
            Press(d, QDialogButtonBox::Ok);
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(Messages(), std::vector<std::string>{"Not enough values (rows of data): 1 "
                                                           "values entered, minimum number "
                                                           "required = 2"});
            Press(d, QDialogButtonBox::Cancel);
        },
        reached);
    EXPECT_FALSE(Data().EditRadiusDefinitions());
    EXPECT_TRUE(reached);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetNth(1)->GetGivenRadius(), 10);
}

// One point is refused; a specified direction makes its cell editable (empty reads 0); back
// to a fixed point the angle is stored 0; "Options..." has no action.
TEST_F(AnalysisInputWindowsTest, NoncircularSearchTable) {
    Given(false, A::kSearchType1);
    Cpp_NoncircularShearSurface& surface = Data().GetNoncircularPointList();
    surface.AddPoint(0, 10, 0, true, true);
    surface.AddPoint(20, 0, 35, true, false);
    surface.AddPoint(40, 12, 0, false, false);
    OpenInput("noncircularSearchDialog", [&](QDialog* d) {
        using dialogs::CmAnalCompSearchNoncGridInput;
        auto* dialog = static_cast<CmAnalCompSearchNoncGridInput*>(d);
        gridctrl::CGridCtrlKDX& table = dialog->Table();
        EXPECT_EQ(table.GetCellText(0, 4), "Shift Constraint");
        EXPECT_EQ(table.GetCellText(2, 4), "Point is moveable - direction specified     ");
        EXPECT_EQ(table.GetCellText(3, 4), "Point is fixed     ");
        EXPECT_FALSE(table.IsCellEditable(1, 3));
        EXPECT_TRUE(table.IsCellEditable(2, 3));
        EXPECT_FALSE(d->findChild<QPushButton*>("options")->isEnabled());
        // The first point moves in a given direction, left empty; the second becomes fixed.
        table.SetCellOption(1, 4, 1);
        dialog->OnOptionChanged({1, 4}, 1);
        EXPECT_TRUE(table.IsCellEditable(1, 3));
        table.SetCellText(1, 3, "");
        table.SetCellOption(2, 4, 2);
        dialog->OnOptionChanged({2, 4}, 2);
        EXPECT_FALSE(table.IsCellEditable(2, 3));
        Type(d, "maximumSteepness", "45");
        Press(d, QDialogButtonBox::Ok);
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_EQ(surface.NumberOfPoints(), 3);
    const auto& p = surface.Points();
    EXPECT_TRUE(p[0].IsMoveable());
    EXPECT_FALSE(p[0].IsShiftDirectionComputed());
    EXPECT_EQ(p[0].GetShiftAngleDegrees(), 0);
    EXPECT_FALSE(p[1].IsMoveable());
    EXPECT_EQ(p[1].GetShiftAngleDegrees(), 0);
    EXPECT_EQ(Data().GetMaximumSteepness(), 45);

    OpenInput("noncircularSearchDialog", [&](QDialog* d) {
        gridctrl::CGridCtrlKDX& table =
            static_cast<dialogs::CmAnalCompSearchNoncGridInput*>(d)->Table();
        for (int row = 2; row <= 3; ++row)
            for (int col = 1; col <= 2; ++col) table.SetCellText(row, col, "");
        Press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(Messages().back(), "Not enough values (rows of data): 1 values entered, "
                                     "minimum number required = 2");
        Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(surface.NumberOfPoints(), 3);
}

}  // namespace
