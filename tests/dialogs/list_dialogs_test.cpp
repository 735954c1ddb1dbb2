// The list-style dialogs of the loads, the reinforcement lines, the interpolation points and the
// noncircular slip surfaces, opened through the model's style-1 openers and driven through their
// widgets offscreen; and the slope geometry window beside them.

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_dialogs.h"
#include "core/string_table.h"
#include "dialogs/analysis_list_dialogs.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/interpolation_list_dialog.h"
#include "dialogs/line_data_windows.h"
#include "dialogs/line_list_dialogs.h"
#include "dialogs/list_dialog_driver.h"
#include "dialogs/load_list_dialogs.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_list_dialogs.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_table_dialog.h"
#include "porepressure/piezometric_line.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using platform::BoxResult;
using testsupport::AnswerInsertQuestion;
using testsupport::Cells;
using testsupport::Field;
using testsupport::FirstCells;
using testsupport::Fixed;
using testsupport::List;
using testsupport::Press;
using testsupport::Type;
using testsupport::WhenModalOf;
using Strings = std::vector<std::string>;
using Points = std::vector<std::pair<double, double>>;

// Types the values into the named edits in order, then presses the button.
void Enter(QWidget* d, const std::vector<std::pair<const char*, double>>& values,
           const char* button) {
    for (const auto& [name, value] : values) Type(d, name, QString::number(value));
    Press(d, button);
}

class ListDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::LoadStringTable(error)) << error;
        LoadListDialogsSlot().Set(&loadLists_);
        InterpolationListDialogSlot().Set(&interpolationList_);
        AnalysisListDialogsSlot().Set(&analysisLists_);
        data = Cpp_Kliven4Data::CurrentDataSet();
    }
    void TearDown() override {
        LoadListDialogsSlot().Reset();
        InterpolationListDialogSlot().Reset();
        AnalysisListDialogsSlot().Reset();
        ResetStringTable();
    }

    // Runs the opener; the action runs on its dialog, which is cancelled if it stays open.
    template <class T>
    bool Open(const std::function<bool()>& opener, const std::function<void(T*)>& action) {
        bool reached = false;
        WhenModalOf<T>([&](T* d) {
            reached = true;
            action(d);
            if (d->isVisible()) d->reject();
        });
        const bool ok = opener();
        EXPECT_TRUE(reached);
        return ok;
    }
    static void Ok(QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Ok); }

    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet* data = nullptr;

private:
    dialogs::QtLoadLists loadLists_;
    dialogs::QtInterpolationList interpolationList_;
    dialogs::QtAnalysisLists analysisLists_;
};

// ---- distributed loads

void AddLoadPoint(QWidget* d, double x, double y, double normal = 100, double shear = 0) {
    Enter(d, {{"x", x}, {"y", y}, {"normal", normal}, {"shear", shear}}, "addPoint");
}

// Points go in ascending x; an equal x asks before or after; a duplicate is refused with its
// whole message; OK stores the points as the table would.
TEST_F(ListDialogs, DistributedLoadPointsInXOrder) {
    std::string question;
    ASSERT_TRUE(Open<dialogs::CmDistributedLoadInput>(
        [&] { return data->DistributedLoads(1)->EditInDialog(0); },
        [&](dialogs::CmDistributedLoadInput* d) {
            EXPECT_EQ(d->windowTitle(), "Distributed Load Input Data - Stage 1");
            EXPECT_EQ(List(d, "pointList")->RowText(0), "<No distributed loads for Stage 1>");
            AddLoadPoint(d, 2, 10);
            AddLoadPoint(d, 8, 10);
            AddLoadPoint(d, 5, 10);
            EXPECT_EQ(FirstCells(List(d, "pointList")), (Strings{Fixed(2), Fixed(5), Fixed(8)}));
            AnswerInsertQuestion("button1", &question);  // "Before"
            AddLoadPoint(d, 8, 12, 50);
            AddLoadPoint(d, 2, 10);
            EXPECT_EQ(Field(d, "numberOfPoints"), "4");
            Ok(d);
        }));
    EXPECT_EQ(question,
              "Two points have the same X; Insert new point before or after existing point?");
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              Strings{"Error: Point being added has the same coordinates and values of stress as "
                      "another point.  Duplicate points are not allowed."});
    EXPECT_EQ(fakes.messageBoxes.requests.at(0).caption, "Distributed Load Data Error");
    const std::vector<s_DistributedLoadPoint> points = data->DistributedLoads(1)->GetPoints();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[2].x, 8);
    EXPECT_EQ(points[2].y, 12);
    EXPECT_EQ(points[2].normal, 50);
    EXPECT_EQ(points[3].y, 10);
}

// Checking "Compute from piezometric line" with points asks first; No keeps them and the box
// clear, Yes empties the list; a line number of 0 is refused at OK and the dialog stays open.
TEST_F(ListDialogs, DistributedLoadsFromAPiezometricLineAskBeforeDeleting) {
    data->DistributedLoads(1)->AddPoint(1, 2, 3, 4);
    fakes.messageBoxes.answers = {BoxResult::No, BoxResult::Yes};
    ASSERT_TRUE(Open<dialogs::CmDistributedLoadInput>(
        [&] { return data->DistributedLoads(1)->EditInDialog(0); },
        [&](dialogs::CmDistributedLoadInput* d) {
            auto* box = d->findChild<QCheckBox*>("fromPiezometricLine");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            EXPECT_FALSE(box->isChecked());
            EXPECT_EQ(List(d, "pointList")->DataRowCount(), 1);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            EXPECT_TRUE(box->isChecked());
            EXPECT_EQ(List(d, "pointList")->DataRowCount(), 0);
            EXPECT_EQ(Field(d, "piezometricLine"), "1");
            Type(d, "piezometricLine", "0");
            Ok(d);
            EXPECT_TRUE(d->isVisible());
            Type(d, "piezometricLine", "2");
            Ok(d);
        }));
    const std::string question =
        "Distributed load data already exist and will be deleted.  Do you wish to generate "
        "distributed loads from a piezometric line and delete the current distributed load data?";
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (Strings{question, question,
                       "Error: Bad number for piezometric line to be used to generate distributed "
                       "loads.  Piezometric line number must be greater than zero."}));
    EXPECT_EQ(data->DistributedLoads(1)->PiezometricLineNumber(), 2);
    EXPECT_TRUE(data->DistributedLoads(1)->GetPoints().empty());
}

// A pick in the piezometric window computes the pore pressure at the typed point: below the line
// the pressure, above it (negative) a normal stress of 0. Picks in the slope window fill x and y.
TEST_F(ListDialogs, DistributedLoadPicksFromTheDataWindows) {
    Cpp_PiezometricLine* line = data->PiezometricLines(1)->CreateLine(1, 10, "");
    line->AddPoint(0, 5);
    line->AddPoint(20, 5);
    data->SlopeGeometry().GetSlopeLine().AddPoint(0, 8);
    data->SlopeGeometry().GetSlopeLine().AddPoint(30, 2);
    EXPECT_FALSE(Open<dialogs::CmDistributedLoadInput>(
        [&] { return data->DistributedLoads(1)->EditInDialog(0); },
        [&](dialogs::CmDistributedLoadInput* d) {
            QTest::mouseClick(d->findChild<QCheckBox*>("showPiezometricLines"), Qt::LeftButton);
            ASSERT_TRUE(d->PiezometricWindow()->isVisible());
            Type(d, "x", "10");
            Type(d, "y", "3");
            d->PiezometricWindow()->List()->SetCurSel(0);
            EXPECT_EQ(Field(d, "normal").toDouble(), 20);
            Type(d, "y", "7");
            d->PiezometricWindow()->List()->SetCurSel(1);
            EXPECT_EQ(Field(d, "normal").toDouble(), 0);
            QTest::mouseClick(d->findChild<QCheckBox*>("showSlopeData"), Qt::LeftButton);
            ASSERT_TRUE(d->SlopeWindow()->isVisible());
            d->SlopeWindow()->List()->SetCurSel(1);
            EXPECT_EQ(Field(d, "x").toDouble(), 30);
            EXPECT_EQ(Field(d, "y").toDouble(), 2);
        }));
}

// ---- line loads

void AddLineLoad(QWidget* d, double x, double y, double h, double v) {
    Enter(d, {{"x", x}, {"y", y}, {"horizontal", h}, {"vertical", v}}, "addLoad");
}

// Components 3 and 4 show magnitude 5 in the edits and the row; a second load at the same point
// and a zero load are refused with their messages; OK numbers the loads in list order.
TEST_F(ListDialogs, LineLoadsComputeTheOtherPairAndRefuseDuplicatesAndZero) {
    ASSERT_TRUE(Open<dialogs::CmLineLoadInput>(
        [&] { return data->LineLoads(1)->EditInDialog(); },
        [&](dialogs::CmLineLoadInput* d) {
            EXPECT_EQ(d->windowTitle(), "Line Load Data - Stage 1");
            EXPECT_EQ(List(d, "pointList")->RowText(0), "<No line loads for Stage 1>");
            EXPECT_FALSE(d->findChild<QLineEdit*>("magnitude")->isEnabled());
            AddLineLoad(d, 10, 20, 3, 4);
            EXPECT_EQ(Field(d, "magnitude").toDouble(), 5);
            EXPECT_EQ(Cells(List(d, "pointList"), 0).at(4),
                      FormatText("%.*f", Cpp_KlivenSettings::ForceDecimals(), 5.0));
            AddLineLoad(d, 10, 20, 1, 1);
            AddLineLoad(d, 30, 20, 0, 0);
            d->findChild<QComboBox*>("forceForm")->setCurrentIndex(1);
            EXPECT_TRUE(d->findChild<QLineEdit*>("magnitude")->isEnabled());
            Enter(d, {{"x", 40}, {"y", 20}, {"magnitude", 0}, {"inclination", 30}}, "addLoad");
            Enter(d, {{"x", 0}, {"y", 20}, {"magnitude", 2}, {"inclination", 90}}, "addLoad");
            Ok(d);
        }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (Strings{"Error: A line load already exists at this point.  Two line loads may not "
                       "have the same X-Y coordinate.",
                       "Error: Line load is zero; zero line loads are not allowed.",
                       "Error: Line load is zero; zero line loads are not allowed."}));
    const std::vector<s_LineLoadType> loads = data->LineLoads(1)->GetTableRecords();
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].x, 10);
    EXPECT_EQ(loads[0].resultant, 5);
    EXPECT_EQ(loads[1].x, 0);
    EXPECT_EQ(loads[1].option, 2);
}

// A refused change leaves the load as it was (the changed one is checked before the old one
// goes); an accepted change keeps the load's place.
TEST_F(ListDialogs, RefusedLineLoadChangeKeepsTheLoad) {
    data->LineLoads(1)->AddByComponents(1, 0, 0, 1, 1);
    data->LineLoads(1)->AddByComponents(2, 5, 0, 2, 2);
    ASSERT_TRUE(Open<dialogs::CmLineLoadInput>(
        [&] { return data->LineLoads(1)->EditInDialog(); },
        [&](dialogs::CmLineLoadInput* d) {
            List(d, "pointList")->SetCurSel(0);
            Enter(d, {{"horizontal", 0}, {"vertical", 0}}, "changeLoad");
            Enter(d, {{"x", 5}, {"horizontal", 7}}, "changeLoad");
            EXPECT_EQ(List(d, "pointList")->count(), 2);
            Enter(d, {{"x", 1}, {"horizontal", 7}, {"vertical", 0}}, "changeLoad");
            Ok(d);
        }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (Strings{"Error: Line load is zero; zero line loads are not allowed.",
                       "Error: New X-Y coordinate for the line load are the same as those for an "
                       "existing line load.  Two line loads may not have the same X-Y "
                       "coordinate."}));
    const std::vector<s_LineLoadType> loads = data->LineLoads(1)->GetTableRecords();
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].x, 1);
    EXPECT_EQ(loads[0].horizontal, 7);
    EXPECT_EQ(loads[1].x, 5);
}

// ---- reinforcement lines

void AddForcePoint(QWidget* d, double x, double y) {
    Enter(d, {{"x", x}, {"y", y}, {"longitudinal", 10}, {"transverse", 0}}, "addPoint");
}
std::vector<std::string> Ys(dialogs::CmListBox* list) {
    std::vector<std::string> ys;
    for (int i = 0; i < list->count(); ++i) ys.push_back(Cells(list, i).at(1));
    return ys;
}

// A vertical run places a point by its y without a question, after or before the run; a single
// point of the same x asks; lines come back without descriptions, with forces and display flags.
TEST_F(ListDialogs, ReinforcementPointsOfAVerticalRun) {
    std::string question;
    ASSERT_TRUE(Open<dialogs::LineListDialog>(
        [&] { return data->ReinforcementLines()->EditInDialog(); },
        [&](dialogs::LineListDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Reinforcement Line Data");
            EXPECT_EQ(Field(d, "lineNumber"), "1");
            AddForcePoint(d, 0, 0);
            AnswerInsertQuestion("button2", &question);  // "After"
            AddForcePoint(d, 0, 10);
            for (double y : {5.0, 20.0, -5.0}) AddForcePoint(d, 0, y);
            EXPECT_EQ(Ys(List(d, "pointList")),
                      (Strings{Fixed(-5), Fixed(0), Fixed(5), Fixed(10), Fixed(20)}));
            Type(d, "maximumRotation", "15");
            d->findChild<QComboBox*>("forceOption")->setCurrentIndex(1);
            QTest::mouseClick(d->findChild<QCheckBox*>("displayPoints"), Qt::LeftButton);
            Press(d, "addLine");
            EXPECT_EQ(Field(d, "lineNumber"), "2");
            EXPECT_EQ(Field(d, "maximumRotation").toDouble(), 15);
            Ok(d);
        }));
    EXPECT_EQ(question,
              "Two points have the same X; Insert new point before or after existing point?");
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty()) << fakes.messageBoxes.Texts().front();
    ASSERT_EQ(data->ReinforcementLines()->Count(), 1);
    const Cpp_ReinforcementLine* line = data->ReinforcementLines()->ReinforcementLineAt(0);
    EXPECT_EQ(line->Description(), "");
    EXPECT_EQ(line->GetAngle(), 15);
    EXPECT_EQ(line->GetForceOption(), 2);
    std::vector<s_ReinforcementLinePtType> points;
    ASSERT_EQ(line->CopyPointsToArray(points), 5);
    EXPECT_EQ(points[0].y, -5);
    EXPECT_EQ(points[4].longitudinalForce, 10);
    EXPECT_TRUE(data->ReinforcementLines()->GetDisplayPoints());
}

// "Snap" to Slope moves a selected end point onto the slope; the middle point, or no slope line,
// changes nothing.
TEST_F(ListDialogs, ReinforcementSnapToSlope) {
    Cpp_ReinforcementLine* line = data->ReinforcementLines()->AddNewLine(1, "", 0, 1);
    for (double x : {10.0, 20.0, 30.0}) line->AddPoint(x, 5, 1, 0);
    auto snapFromRow = [&](int row) {
        QString x;
        Open<dialogs::LineListDialog>([&] { return data->ReinforcementLines()->EditInDialog(); },
                                      [&](dialogs::LineListDialog* d) {
                                          List(d, "pointList")->SetCurSel(row);
                                          Press(d, "snapToSlope");
                                          x = Field(d, "x");
                                      });
        return x.toDouble();
    };
    EXPECT_EQ(snapFromRow(0), 10);  // no slope line
    Cpp_SlopeLine& slope = data->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 10);
    slope.AddPoint(4, 10);
    slope.AddPoint(4, 0);
    slope.AddPoint(40, 0);
    EXPECT_EQ(snapFromRow(1), 20);
    EXPECT_EQ(snapFromRow(0), 4);
}

// ---- interpolation points

// Material 0 without "Use for all materials" is refused; the box turns it into 1; equal points of
// different materials are accepted; a point goes after the last one of its material; the Source
// column tells the loaded points from those added here.
TEST_F(ListDialogs, InterpolationPointsByMaterial) {
    Cpp_InterpolationDataSet* set = nullptr;
    const int materials[] = {1, 1, 2, 3};
    for (int i = 0; i < 4; ++i)
        data->InterpolationData(1)->AddPointToDataSet(1, materials[i], i + 1.0, 0, 5, 0, 0, set);
    ASSERT_TRUE(Open<dialogs::CmInterpolationInput>(
        [&] { return data->InterpolationData(1)->EditWithInputDialog(1); },
        [&](dialogs::CmInterpolationInput* d) {
            EXPECT_EQ(d->windowTitle(), "Interpolation Data - Pressure Values - Stage 1");
            dialogs::CmListBox* list = List(d, "pointList");
            ASSERT_EQ(list->count(), 4);
            EXPECT_EQ(Cells(list, 0).at(4), "?????");
            auto* all = d->findChild<QCheckBox*>("useForAllMaterials");
            EXPECT_FALSE(all->isChecked());
            all->click();
            EXPECT_TRUE(all->isChecked());
            Enter(d, {{"x", 50}, {"y", 1}, {"value", 7}}, "addPoint");
            EXPECT_EQ(Cells(list, 4).at(3), "All");
            all->click();
            EXPECT_EQ(Field(d, "material"), "1");
            Enter(d, {{"x", 20}, {"y", 0}, {"value", 9}, {"material", 2}}, "addPoint");
            Enter(d, {{"x", 20}, {"y", 0}, {"value", 9}, {"material", 3}}, "addPoint");
            Type(d, "material", "0");
            Press(d, "addPoint");
            Enter(d, {{"x", 20}, {"y", 0}, {"material", 2}}, "addPoint");
            EXPECT_EQ(Cells(list, 3),
                      (Strings{Fixed(20), Fixed(0),
                               FormatText("%.*f", Cpp_KlivenSettings::StressDecimals(), 9.0), "2",
                               "KLIVEN4 Input"}));
            EXPECT_EQ(FirstCells(list), (Strings{Fixed(1), Fixed(2), Fixed(3), Fixed(20), Fixed(4),
                                                 Fixed(20), Fixed(50)}));
            Ok(d);
        }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (Strings{"Error: Bad material number.  If an interpolation point is not used for all "
                       "materials, you must specify a material number greater than zero.",
                       "Error: Point being added already exists.  Two interpolation points for the "
                       "same material cannot have the same X-Y coordinates."}));
    EXPECT_EQ(fakes.messageBoxes.requests.at(0).caption, "Interpolation Data Error");
    EXPECT_EQ(data->InterpolationData(1)->CountPoints(1), 7);
}

// ---- noncircular slip surfaces

void AddSurfacePoint(QWidget* d, double x, double y) { Enter(d, {{"x", x}, {"y", y}}, "addPoint"); }

// Points added with x 5, 1, 3 list as 1, 3, 5; an equal x is refused whatever its y; a refused
// change keeps the point; Delete All Points shows the empty text; OK stores points and shifts.
TEST_F(ListDialogs, NoncircularSearchPointsSortedByX) {
    ASSERT_TRUE(Open<dialogs::CmAnalCompSearchNoncInput>(
        [&] { return data->AnalysisComputationData()->EditNoncircularSearchInDialog(); },
        [&](dialogs::CmAnalCompSearchNoncInput* d) {
            dialogs::CmListBox* list = List(d, "pointList");
            EXPECT_EQ(list->RowText(0), "<No noncircular shear surface points>");
            for (double x : {5.0, 1.0, 3.0}) AddSurfacePoint(d, x, x);
            EXPECT_EQ(FirstCells(list), (Strings{Fixed(1), Fixed(3), Fixed(5)}));
            AddSurfacePoint(d, 3, 9);
            list->SetCurSel(0);
            Enter(d, {{"x", 5}}, "changePoint");
            EXPECT_EQ(FirstCells(list), (Strings{Fixed(1), Fixed(3), Fixed(5)}));
            Press(d, "deleteAllPoints");
            EXPECT_EQ(list->RowText(0), "<No noncircular shear surface points>");
            AddSurfacePoint(d, 2, 1);
            d->findChild<QComboBox*>("shiftConstraint")->setCurrentIndex(2);
            AddSurfacePoint(d, 6, 2);
            // The text follows the last number directly, under its own heading.
            const std::string row = list->RowText(1);
            EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 1);
            EXPECT_EQ(row.substr(row.size() - 6), " Fixed");
            Type(d, "finalShift", "0.5");
            Ok(d);
        }));
    const std::string refused =
        "Error: Point being added already exists.  Two points cannot have the same X value.";
    EXPECT_EQ(fakes.messageBoxes.Texts(), (Strings{refused, refused}));
    const auto& points = data->AnalysisComputationData()->GetNoncircularPointList().Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(points[0].IsMoveable());
    EXPECT_FALSE(points[1].IsMoveable());
}

// The slip surface's points in "Enter Points for Line": sorted by x; Delete All asks and Cancel
// keeps the points; OK without Add or Change keeps the old points.
TEST_F(ListDialogs, NoncircularSurfacePointsInTheLineList) {
    data->AnalysisComputationData()->GetNoncircularPointList().AddPoint(0, 0, 0, true, true);
    data->AnalysisComputationData()->GetNoncircularPointList().AddPoint(10, 5, 0, true, true);
    fakes.messageBoxes.answers = {BoxResult::Cancel};
    ASSERT_TRUE(Open<dialogs::CmSimpleXYLineInput>(
        [&] { return data->AnalysisComputationData()->EditNoncircularPointsInDialog(); },
        [&](dialogs::CmSimpleXYLineInput* d) {
            EXPECT_EQ(d->windowTitle(), "Noncircular Slip Surface");
            AddSurfacePoint(d, 4, 2);
            EXPECT_EQ(FirstCells(List(d, "pointList")), (Strings{Fixed(0), Fixed(4), Fixed(10)}));
            Press(d, "deleteAll");
            EXPECT_EQ(List(d, "pointList")->count(), 3);
            Type(d, "x", "7");
            Ok(d);
        }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              Strings{"Do you really want to delete data for all points?"});
    Points points;
    for (const auto& p : data->AnalysisComputationData()->GetNoncircularPointList().Points())
        points.push_back({p.X(), p.Y()});
    EXPECT_EQ(points, (Points{{0, 0}, {4, 2}, {10, 5}}));
}

// ---- the slope geometry window

TEST_F(ListDialogs, SlopeWindowListsTheSlopeOnce) {
    {
        dialogs::CmSlopeData window;
        window.show();
        EXPECT_EQ(window.List()->count(), 0);
        double x = 0, y = 0;
        EXPECT_FALSE(window.GetSelectedPoint(x, y));
    }
    data->SlopeGeometry().GetSlopeLine().AddPoint(0, 8);
    data->SlopeGeometry().GetSlopeLine().AddPoint(30, 2);
    dialogs::CmSlopeData window;
    QSignalSpy picked(&window, &dialogs::CmSlopeData::PointPicked);
    window.show();
    window.hide();
    window.show();
    ASSERT_EQ(window.List()->count(), 2);
    window.List()->SetCurSel(0);
    double x = 1, y = 1;
    ASSERT_TRUE(window.GetSelectedPoint(x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(picked.count(), 1);
}

// A dialog of one list shows that list only: the unused upper list of the base never sits
// unplaced over the dialog's first controls.
TEST_F(ListDialogs, OnlyTheListsOfTheLayoutAreShown) {
    const auto shown = [](QWidget& d, const char* name) {
        d.show();
        const bool visible = d.findChild<QWidget*>(name)->isVisible();
        d.hide();
        return visible;
    };
    dialogs::CmDistributedLoadInput loads(s_DistributedLoadTable{});
    EXPECT_TRUE(shown(loads, "pointList"));
    EXPECT_FALSE(shown(loads, "lineList"));
    dialogs::CmLineLoadInput lineLoads(s_LineLoadTable{});
    EXPECT_FALSE(shown(lineLoads, "lineList"));
    dialogs::CmInterpolationInput points(s_InterpolationTable{});
    EXPECT_FALSE(shown(points, "lineList"));
    dialogs::CmSimpleXYLineInput xy(s_XYLineListType{});
    EXPECT_FALSE(shown(xy, "lineList"));
    dialogs::LineListDialog profile(dialogs::LineListDialog::Kind::Profile, {}, 1, 0);
    EXPECT_TRUE(shown(profile, "lineList"));
    EXPECT_TRUE(shown(profile, "pointList"));
}

}  // namespace
