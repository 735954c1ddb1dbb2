// "Optional Analysis/Computation Input Data" driven through its widgets from 32791 and from Ctrl
// on the slip-surface buttons: what each page shows of the data, what OK stores back, and the
// pages that refuse OK.

#include "analysis/analysis_computation_data.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/optional_analysis_sheet.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cmath>

#include <functional>

namespace {

using A = Cpp_AnalysisComputationData;
using Sheet = dialogs::CmSubcommandMain;

class OptionalDataSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs::RegisterDialogWindows(&frame);
        Data().SetCircular(true);
        Data().SetMode(A::kSearchType1);
        Data().SetDataDefined(true);
        frame.Doc().SetModifiedFlag(false);
    }
    void TearDown() override {
        dialogs::UnregisterDialogWindows();
        frame.Doc().SetModifiedFlag(false);
    }
    A& Data() { return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData(); }

    // Runs the command with the action on the sheet once it is up; the sheet is cancelled when
    // the action leaves it open.
    void Open(const std::function<void()>& command, const std::function<void(Sheet*)>& action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<Sheet*>(modal);
            if (!sheet) {
                modal->close();
                return;
            }
            reached = true;
            action(sheet);
            if (sheet->isVisible()) sheet->reject();
        });
        command();
        EXPECT_TRUE(reached);
    }
    void Open(const std::function<void(Sheet*)>& action) {
        Open([this] { frame.OnCommand(ID_OPTIONAL_ANALYSIS_DATA); }, action);
    }

    // The page of that title, brought forward as a click on its tab would.
    static QWidget* Page(Sheet* s, const QString& title) {
        QTabWidget* tabs = s->Tabs();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == title) {
                tabs->setCurrentIndex(i);
                return tabs->widget(i);
            }
        ADD_FAILURE() << title.toStdString();
        return nullptr;
    }
    template <class W>
    static W* Find(QWidget* page, const char* name) {
        auto* w = page->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* Edit(QWidget* page, const char* name) { return Find<QLineEdit>(page, name); }
    static QComboBox* Combo(QWidget* page, const char* name) { return Find<QComboBox>(page, name); }
    static QCheckBox* Check(QWidget* page, const char* name) { return Find<QCheckBox>(page, name); }
    static void Type(QWidget* page, const char* name, const QString& text) {
        testsupport::Retype(Edit(page, name), text);
    }
    static void Tick(QAbstractButton* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    // Chooses an item with the arrow keys, as a user does.
    static void Choose(QComboBox* combo, int index) {
        combo->setFocus();
        if (combo->currentIndex() < 0) QTest::keyClick(combo, Qt::Key_Home);
        while (combo->currentIndex() < index) QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index) QTest::keyClick(combo, Qt::Key_Up);
        ASSERT_EQ(combo->currentIndex(), index);
    }
    static void Ok(Sheet* s) { testsupport::PressButton(s, QDialogButtonBox::Ok); }
    static QStringList Items(QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }

    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

// The pages in the sheet's order; Ctrl on either slip-surface button opens the same sheet; Cancel
// stores nothing and leaves the document as it was.
TEST_F(OptionalDataSheetTest, CtrlOnTheSlipSurfaceButtonsOpensThePagesAndCancelKeepsTheData) {
    Data().SetSeismic(0.1, 0);
    frame.show();
    for (int id : {ID_ENTER_CIRCULAR_SLIP_SURFACE, ID_ENTER_NONCIRCULAR_SLIP_SURFACE}) {
        Open(
            [&] {
                QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(id)),
                                  Qt::LeftButton, Qt::ControlModifier);
            },
            [&](Sheet* s) {
                EXPECT_EQ(s->windowTitle(), "Optional Analysis/Computation Input Data");
                QStringList titles;
                for (int i = 0; i < s->Tabs()->count(); ++i) titles << s->Tabs()->tabText(i);
                EXPECT_EQ(titles, (QStringList{"Solution", "Iterations and Convergence", "Search",
                                               "Crack", "Crack Water", "Restrictions"}));
                QWidget* solution = Page(s, "Solution");
                EXPECT_EQ(Edit(solution, "seismicCoefficient")->text(), "0.1");
                Type(solution, "seismicCoefficient", "0.3");
                testsupport::PressButton(s, QDialogButtonBox::Cancel);
            });
    }
    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                      Qt::LeftButton);
    EXPECT_EQ(Data().GetSeismicCoefficient(), 0.1);
    EXPECT_FALSE(frame.Doc().IsModified());
    frame.close();
}

// The negative-inclination limit of -10 degrees opens unticked and, ticked and kept, stores the
// same radians; the inclination edits follow the procedure; a procedure the sheet does not
// offer opens unselected and stays unless one is picked.
TEST_F(OptionalDataSheetTest, SolutionPageKeepsTheLimitAndAnUnofferedProcedure) {
    Data().SetProcedure(A::kSpencer);
    Data().SetNegativeSideForceLimit(A::kDefaultNegativeLimit);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        EXPECT_EQ(Items(Combo(page, "procedure")),
                  (QStringList{"Spencer's procedure", "Simplified Bishop procedure",
                               "Corps of Engineers' Modified Swedish procedure"}));
        QCheckBox* limit = Check(page, "overrideLimit");
        EXPECT_FALSE(limit->isChecked());
        EXPECT_TRUE(limit->isEnabled());
        EXPECT_EQ(Edit(page, "mostNegativeInclination")->text(), "-10");
        EXPECT_FALSE(Edit(page, "mostNegativeInclination")->isEnabled());
        EXPECT_FALSE(Edit(page, "specifiedInclination")->isEnabled());
        Tick(limit);
        EXPECT_TRUE(Edit(page, "mostNegativeInclination")->isEnabled());
        Ok(s);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(Data().GetNegativeSideForceLimit(), A::kDefaultNegativeLimit);
    EXPECT_TRUE(frame.Doc().IsModified());

    Data().SetProcedure(A::kLoweKarafiath);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        EXPECT_EQ(Combo(page, "procedure")->currentIndex(), -1);
        EXPECT_FALSE(Check(page, "overrideLimit")->isEnabled());
        Ok(s);
    });
    EXPECT_EQ(Data().GetProcedure(), A::kLoweKarafiath);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        Choose(Combo(page, "procedure"), 2);  // Corps of Engineers
        EXPECT_TRUE(Edit(page, "specifiedInclination")->isEnabled());
        EXPECT_FALSE(Check(page, "overrideLimit")->isEnabled());
        Type(page, "specifiedInclination", "12");
        Ok(s);
    });
    EXPECT_EQ(Data().GetProcedure(), 2);
    EXPECT_NEAR(Data().GetCorpsSideForceInclination(), 12, 1e-12);
}

// The side-force inclination and the imbalance tolerances show the preference decimals (angle
// and force); a tolerance the decimals would hide shows the digits it needs. A field left as
// shown keeps the stored value exactly; a typed one is stored.
TEST_F(OptionalDataSheetTest, ConvergenceFieldsShowThePreferenceDecimalsAndKeepTheStoredValues) {
    const auto Imbalances = [this] {
        int forceOption = 0, momentOption = 0;
        double force = 0, moment = 0, weight = 0;
        Data().GetImbalance(forceOption, force, momentOption, moment, weight);
        return std::pair{force, moment};
    };
    Data().SetSideForceInclination(A::kDefaultSideForceInclination);
    Data().SetForceImbalance(1, 1e-05);
    Data().SetMomentImbalance(0, 250.4);
    const double radians = Data().GetSideForceInclination();
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Iterations and Convergence");
        EXPECT_EQ(Edit(page, "sideForceInclination")->text(), "17.19");
        EXPECT_EQ(Edit(page, "forceImbalance")->text(), "0.00001");
        EXPECT_EQ(Edit(page, "momentImbalance")->text(), "250");
        Ok(s);
    });
    EXPECT_NEAR(Data().GetSideForceInclination(), radians, 1e-15);
    EXPECT_EQ(Imbalances(), (std::pair{1e-05, 250.4}));
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Iterations and Convergence");
        EXPECT_EQ(Edit(page, "momentImbalance")->text(), "250");
        Type(page, "sideForceInclination", "20");
        Type(page, "forceImbalance", "0.002");
        Ok(s);
    });
    EXPECT_NEAR(Data().GetSideForceInclination(), 20 * std::acos(-1.0) / 180, 1e-12);
    EXPECT_EQ(Imbalances(), (std::pair{0.002, 250.4}));
}

// Noncircular slices: a base length opens in the base-length edit, "nominal number of
// slices ->" shows 111 in the number edit; a number of slices shows base length 333.333 hidden.
// Circles never show the number edit.
TEST_F(OptionalDataSheetTest, SlicesShowTheEditOfTheirKind) {
    Data().SetCircular(false);
    Data().SetNoncircularSubdivision(0, 4.5);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        QComboBox* slices = Combo(page, "noncircularSlices");
        EXPECT_EQ(slices->currentText(), "designated maximum slice base length ->");
        EXPECT_TRUE(Edit(page, "sliceValue")->isVisible());
        EXPECT_EQ(Edit(page, "sliceValue")->text(), "4.5");
        EXPECT_FALSE(Edit(page, "numberOfSlices")->isVisible());
        Choose(slices, 0);
        EXPECT_TRUE(Edit(page, "numberOfSlices")->isVisible());
        EXPECT_EQ(Edit(page, "numberOfSlices")->text(), "111");
        EXPECT_FALSE(Edit(page, "sliceValue")->isVisible());
        Type(page, "numberOfSlices", "30");
        Ok(s);
    });
    EXPECT_EQ(Data().GetIncrements(), 30);
    EXPECT_EQ(Data().GetBaseLength(), 0);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        EXPECT_EQ(Edit(page, "numberOfSlices")->text(), "30");
        EXPECT_EQ(Edit(page, "sliceValue")->text(), "333.333");
    });

    Data().SetCircular(true);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Solution");
        EXPECT_EQ(page->findChild<QLineEdit*>("numberOfSlices"), nullptr);
        EXPECT_EQ(
            Items(Combo(page, "circleSlices")),
            (QStringList{"designated subtended angle ->", "designated maximum arc length ->"}));
    });
}

// What the search page enables by the shape and mode; one save criterion at a time.
TEST_F(OptionalDataSheetTest, SearchPageEnablesByModeAndKeepsOneSaveCriterion) {
    struct Case {
        const char* name;
        bool circular;
        int mode;
        const char* gridsLabel;
        bool automatic;  // the continue/stop radios and the grids or passes
        bool search;     // the save criteria and the short output
        bool sortRadii;
    } cases[] = {
        {"floating grid", true, A::kSearchType1, "Maximum number of trial grids:", true, true,
         false},
        {"fixed grid", true, A::kSearchType2, "Maximum number of trial grids:", false, true, true},
        {"noncircular search", false, A::kSearchType1, "Maximum number of \"passes\":", true, true,
         false},
        {"individual circle", true, A::kIndividual, "Maximum number of trial grids:", false, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Data().SetCircular(c.circular);
        Data().SetMode(c.mode);
        Data().SetSaveFactorRange(1.0, 1.5);
        Open([&](Sheet* s) {
            QWidget* page = Page(s, "Search");
            QLabel* gridsLabel = nullptr;
            for (auto* label : page->findChildren<QLabel*>())
                if (label->text().startsWith("Maximum number")) gridsLabel = label;
            ASSERT_NE(gridsLabel, nullptr);
            EXPECT_EQ(gridsLabel->text(), c.gridsLabel);
            EXPECT_EQ(Edit(page, "trialGridsOrPasses")->isEnabled(), c.automatic);
            EXPECT_EQ(Find<QRadioButton>(page, "stopSearch")->isEnabled(), c.automatic);
            EXPECT_EQ(Check(page, "shortOutput")->isEnabled(), c.search);
            EXPECT_EQ(Check(page, "saveMostCritical")->isEnabled(), c.search);
            EXPECT_EQ(Check(page, "sortRadii")->isEnabled(), c.sortRadii);
            // The range the data had ticked keeps its edits whatever the mode.
            EXPECT_TRUE(Check(page, "saveRange")->isChecked());
            EXPECT_TRUE(Edit(page, "rangeTo")->isEnabled());
            EXPECT_EQ(Edit(page, "rangeTo")->text(), "1.5");
            EXPECT_FALSE(Edit(page, "numberToSave")->isEnabled());
            if (!c.search) return;
            Tick(Check(page, "saveMostCritical"));
            EXPECT_FALSE(Check(page, "saveRange")->isChecked());
            EXPECT_TRUE(Edit(page, "numberToSave")->isEnabled());
            EXPECT_FALSE(Edit(page, "rangeFrom")->isEnabled());
            Type(page, "numberToSave", "7");
            Ok(s);
        });
        if (c.search) {
            EXPECT_EQ(Data().GetSaveOption(), 1);
            EXPECT_EQ(Data().GetSaveCount(), 7);
        }
    }
}

// A restriction unticked on OK keeps its old values; a ticked one stores its edits; the
// relative restrictions are disabled for noncircular data.
TEST_F(OptionalDataSheetTest, RestrictionsStoreTheirValuesOnlyWhenTicked) {
    Data().SetRestriction('A', 'E', 10, 20);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Restrictions");
        QCheckBox* absolute = Check(page, "absoluteEntireApply");
        EXPECT_TRUE(absolute->isChecked());
        EXPECT_EQ(Edit(page, "absoluteEntireMinimum")->text(), "10");
        Type(page, "absoluteEntireMinimum", "1");
        Tick(absolute);
        EXPECT_FALSE(Edit(page, "absoluteEntireMinimum")->isEnabled());
        Tick(Check(page, "relativeSomeApply"));
        Type(page, "relativeSomeMinimum", "-3");
        Type(page, "relativeSomeMaximum", "3");
        Ok(s);
    });
    bool set = true;
    double lo = 0, hi = 0;
    ASSERT_TRUE(Data().GetRestriction(A::kAbsoluteEntire, set, lo, hi));
    EXPECT_FALSE(set);
    EXPECT_EQ(lo, 10);
    EXPECT_EQ(hi, 20);
    Data().GetRestriction(A::kRelativeSome, set, lo, hi);
    EXPECT_TRUE(set);
    EXPECT_EQ(lo, -3);
    EXPECT_EQ(hi, 3);

    Data().SetCircular(false);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Restrictions");
        EXPECT_FALSE(Check(page, "relativeEntireApply")->isEnabled());
        EXPECT_TRUE(Check(page, "absoluteSomeApply")->isEnabled());
    });
}

// The crack page has no unit weight of water, the water page has; the texts follow the option;
// a variable depth shows the table with its heading and takes the value edit away.
TEST_F(OptionalDataSheetTest, CrackPagesShowTheirTextsAndTheTableOfAVariableValue) {
    Open([&](Sheet* s) {
        QWidget* crack = Page(s, "Crack");
        EXPECT_FALSE(Edit(crack, "unitWeightOfWater")->isVisible());
        EXPECT_EQ(Items(Combo(crack, "option")),
                  (QStringList{"No crack", "Depth of crack", "Elevation of bottom of crack"}));
        EXPECT_FALSE(Check(crack, "variable")->isEnabled());
        Choose(Combo(crack, "option"), 1);
        EXPECT_EQ(Check(crack, "variable")->text(), "Variable crack depth");
        Tick(Check(crack, "variable"));
        EXPECT_FALSE(Edit(crack, "value")->isEnabled());
        auto& table = static_cast<dialogs::CmSubcommandCrackAndWater*>(crack)->Table();
        EXPECT_TRUE(Find<gridctrl::GridCtrlWidget>(crack, "pointTable")->isVisible());
        EXPECT_EQ(table.GetCellText(0, 2), "Depth");
        EXPECT_EQ(table.GetRowCount(), 11);

        QWidget* water = Page(s, "Crack Water");
        EXPECT_TRUE(Edit(water, "unitWeightOfWater")->isVisible());
        EXPECT_FALSE(Edit(water, "unitWeightOfWater")->isEnabled());
        Choose(Combo(water, "option"), 2);
        EXPECT_EQ(Check(water, "variable")->text(), "Variable elevation of water surface");
        QStringList labels;
        for (auto* label : water->findChildren<QLabel*>()) labels << label->text();
        EXPECT_TRUE(labels.contains("Elevation (y) of water surface:"));
        EXPECT_TRUE(Edit(water, "unitWeightOfWater")->isEnabled());
        Tick(Check(water, "variable"));
        EXPECT_EQ(
            static_cast<dialogs::CmSubcommandCrackAndWater*>(water)->Table().GetCellText(0, 2),
            "Elevation");
    });
}

// A variable crack of one point refuses OK with the table's message and brings the crack page
// forward, nothing stored; two points are stored; the crack bottom follows a changed depth.
TEST_F(OptionalDataSheetTest, AVariableCrackNeedsTwoPointsAndTheCrackBottomFollows) {
    auto* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    dataSet->SlopeGeometry().GetSlopeLine().AddPoint(0, 10);
    dataSet->SlopeGeometry().GetSlopeLine().AddPoint(30, 10);
    Cpp_Crack& crack = Data().GetCrack();
    crack.SetCrackOption(1);
    crack.SetCrackConstant(2.0);
    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Crack");
        Tick(Check(page, "variable"));
        auto& table = static_cast<dialogs::CmSubcommandCrackAndWater*>(page)->Table();
        table.SetCellText(1, 1, "0");
        table.SetCellText(1, 2, "1.5");
        Page(s, "Solution");
        Ok(s);
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(s->Tabs()->currentWidget(), page);
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  std::vector<std::string>{"Not enough values (rows of data): 1 values entered, "
                                           "minimum number required = 2"});
        testsupport::PressButton(s, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(crack.GetCrackOption(), 1);
    EXPECT_FALSE(frame.Doc().IsModified());

    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Crack");
        EXPECT_EQ(Edit(page, "value")->text(), "2");
        Type(page, "value", "1");
        Ok(s);
    });
    EXPECT_EQ(dataSet->SlopeGeometry().GetCrackBottomLine().FirstPoint()->Y(), 9.0);

    Open([&](Sheet* s) {
        QWidget* page = Page(s, "Crack");
        Tick(Check(page, "variable"));
        auto& table = static_cast<dialogs::CmSubcommandCrackAndWater*>(page)->Table();
        table.SetCellText(1, 1, "0");
        table.SetCellText(1, 2, "1.5");
        table.SetCellText(2, 1, "30");
        table.SetCellText(2, 2, "2.5");
        Ok(s);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(crack.GetCrackOption(), 3);
    EXPECT_EQ(crack.CrackPointList().Count(), 2);
}

// Points of a variable crack fill the table: 9 points in 10 rows, 20 in 21.
TEST_F(OptionalDataSheetTest, AVariableCrackOpensWithARowPerPoint) {
    for (int points : {9, 20}) {
        Cpp_Crack& crack = Data().GetCrack();
        crack.SetCrackOption(3);
        crack.CrackPointList().DeleteAllPoints();
        for (int i = 0; i < points; ++i) crack.CrackPointList().AddPoint(i, 1.0 + i);
        Open([&](Sheet* s) {
            QWidget* page = Page(s, "Crack");
            auto& table = static_cast<dialogs::CmSubcommandCrackAndWater*>(page)->Table();
            EXPECT_EQ(table.GetRowCount(), points + 1);
            EXPECT_EQ(std::stod(table.GetCellText(points, 2)), points);
            EXPECT_TRUE(Check(page, "variable")->isChecked());
        });
    }
}

// A bad number on an opened page keeps the sheet open on that page; a page never opened
// hands its values back untouched.
TEST_F(OptionalDataSheetTest, ABadNumberKeepsTheSheetOpenOnItsPage) {
    Data().SetIterationLimit(25);
    Open([&](Sheet* s) {
        QWidget* convergence = Page(s, "Iterations and Convergence");
        Type(convergence, "iterationLimit", "many");
        Page(s, "Search");
        Ok(s);
        EXPECT_TRUE(s->isVisible());
        EXPECT_EQ(s->Tabs()->currentWidget(), convergence);
        EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Enter an integer."});
        Type(convergence, "iterationLimit", "40");
        Ok(s);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(Data().GetIterationLimit(), 40);

    Data().SetIterationLimit(25);
    Open([&](Sheet* s) {
        s->findChild<QLineEdit*>("iterationLimit")->setText("many");
        Ok(s);
        EXPECT_FALSE(s->isVisible());
    });
    EXPECT_EQ(Data().GetIterationLimit(), 25);
}

}  // namespace
