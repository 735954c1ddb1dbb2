// The analysis/computation commands through the real main dialog and type dialog: Ctrl+A,
// Shift and plain clicks on the slip-surface tool buttons. The input windows of each
// combination are recording stand-ins here; they have tests of their own.

#include "analysis/analysis_dialogs.h"
#include "app/main_frame.h"
#include "dialogs/analysis_main_dialog.h"
#include "editing/edit_modes.h"
#include "graphics/line_table_dialogs.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// Records which input window was asked for and answers ok.
struct RecordingInputs final : CircleInputDialogs, NoncircularSearchDialog, SimpleXYLineGridDialog {
    bool IndividualCircle(s_CircleInputType&) override { return Record("individual circle"); }
    bool SearchType1(s_CircleInputType&) override { return Record("floating grid"); }
    bool Run(s_NoncircularSearchType&) override { return Record("noncircular search"); }
    bool Run(s_XYLineTable& table) override { return Record(table.caption); }
    bool Record(const std::string& what) {
        opened.push_back(what);
        return ok;
    }
    std::vector<std::string> opened;
    bool ok = true;
};

QComboBox* Combo(QWidget* d, const char* name) { return d->findChild<QComboBox*>(name); }
QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}
// Chooses the next or previous item as the arrow keys do.
void Step(QComboBox* combo, int steps) {
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
}

const QStringList kCircleTypes = {"Individual circle", "Type 1 - (\"Floating Grid\") Search",
                                  "Type 2 - (\"Fixed Grid\") Search"};
const QStringList kNoncircularTypes = {"Individual slip surface", "Automatic search"};

class AnalysisCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AnalysisMainDialogsSlot().Set(&main_);
        CircleInputDialogsSlot().Set(&inputs_);
        NoncircularSearchDialogSlot().Set(&inputs_);
        SimpleXYLineGridDialogSlot().Set(&inputs_);
        frame_.show();
    }
    void TearDown() override {
        frame_.Doc().SetModifiedFlag(false);
        frame_.close();
    }

    Cpp_AnalysisComputationData& Data() {
        return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
    }
    void Given(bool hasData, bool circular, int mode) {
        Data().SetCircular(circular);
        Data().SetMode(mode);
        Data().SetDataDefined(hasData);
    }
    // Runs the command (or click) with the action on the dialog that comes up; fails when none
    // comes.
    void WithDialog(const std::function<void()>& command,
                    const std::function<void(QDialog*)>& action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            reached = true;
            action(qobject_cast<QDialog*>(modal));
        });
        command();
        EXPECT_TRUE(reached);
    }
    void Click(int id, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(frame_.MainToolBar()->widgetForAction(frame_.Action(id)), Qt::LeftButton,
                          keys);
    }

    testsupport::FakeServices fakes_;
    app::MainFrame frame_;
    dialogs::QtAnalysisMainDialogs main_{&frame_};
    RecordingInputs inputs_;
};

// The dialog opens on the shape and type of the data; a change of shape gives the other list,
// a type 2 search becoming "Automatic search" and that becoming the type 1 search; Cancel
// changes nothing.
TEST_F(AnalysisCommandsTest, MainDialogListsTheTypesOfTheShape) {
    Given(true, true, Cpp_AnalysisComputationData::kSearchType2);
    WithDialog([&] { frame_.OnCommand(ID_ANALYSIS_COMPUTATION); },
               [&](QDialog* d) {
                   EXPECT_EQ(d->windowTitle(), "Main Analysis/Computation Dialog");
                   auto* form = d->findChild<QFormLayout*>();
                   EXPECT_EQ(qobject_cast<QLabel*>(form->labelForField(Combo(d, "shape")))->text(),
                             "Shape of slip surface:");
                   EXPECT_EQ(qobject_cast<QLabel*>(form->labelForField(Combo(d, "type")))->text(),
                             "Type of computations:");
                   EXPECT_EQ(Items(Combo(d, "shape")), QStringList({"Circle", "Noncircular"}));
                   EXPECT_EQ(Combo(d, "shape")->currentIndex(), 0);
                   EXPECT_EQ(Items(Combo(d, "type")), kCircleTypes);
                   EXPECT_EQ(Combo(d, "type")->currentIndex(), 2);
                   Step(Combo(d, "shape"), 1);
                   EXPECT_EQ(Items(Combo(d, "type")), kNoncircularTypes);
                   EXPECT_EQ(Combo(d, "type")->currentText(), "Automatic search");
                   Step(Combo(d, "shape"), -1);
                   EXPECT_EQ(Items(Combo(d, "type")), kCircleTypes);
                   EXPECT_EQ(Combo(d, "type")->currentIndex(), 1);
                   testsupport::PressButton(d, QDialogButtonBox::Cancel);
               });
    EXPECT_TRUE(Data().IsCircular());
    EXPECT_EQ(Data().GetMode(), Cpp_AnalysisComputationData::kSearchType2);
    EXPECT_TRUE(inputs_.opened.empty());
    EXPECT_FALSE(frame_.Doc().IsModified());
}

// OK applies shape and type, then opens the input of the combination; only its OK marks the
// data present and the document modified. Interactive data open with no type and keep it.
TEST_F(AnalysisCommandsTest, OkOpensTheInputOfTheCombination) {
    struct Case {
        const char* name;
        bool circular;
        int mode;
        int shapeSteps, typeSteps;
        bool inputOk;
        const char* opened;  // nullptr: none
        bool circularAfter;
        int modeAfter;
        bool hasDataAfter;
    };
    using A = Cpp_AnalysisComputationData;
    const Case cases[] = {
        {"new circle", true, A::kNone, 0, 0, true, "individual circle", true, A::kIndividual, true},
        {"floating grid", true, A::kIndividual, 0, 1, true, "floating grid", true, A::kSearchType1,
         true},
        {"cancelled input", true, A::kNone, 0, 1, false, "floating grid", true, A::kSearchType1,
         false},
        {"to noncircular search", true, A::kSearchType1, 1, 0, true, "noncircular search", false,
         A::kSearchType1, true},
        {"noncircular points", false, A::kSearchType1, 0, -1, true, "Noncircular Slip Surface",
         false, A::kIndividual, true},
        {"interactive", true, A::kInteractive, 0, 0, true, nullptr, true, A::kInteractive, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Given(false, c.circular, c.mode);
        inputs_.opened.clear();
        inputs_.ok = c.inputOk;
        frame_.Doc().SetModifiedFlag(false);
        WithDialog([&] { frame_.OnCommand(ID_ANALYSIS_COMPUTATION); },
                   [&](QDialog* d) {
                       if (c.mode == A::kInteractive) {
                           EXPECT_EQ(Combo(d, "type")->currentIndex(), -1);
                       }
                       Step(Combo(d, "shape"), c.shapeSteps);
                       Step(Combo(d, "type"), c.typeSteps);
                       testsupport::PressButton(d, QDialogButtonBox::Ok);
                   });
        EXPECT_EQ(inputs_.opened,
                  c.opened ? std::vector<std::string>{c.opened} : std::vector<std::string>{});
        EXPECT_EQ(Data().IsCircular(), c.circularAfter);
        EXPECT_EQ(Data().GetMode(), c.modeAfter);
        EXPECT_EQ(Data().HasData(), c.hasDataAfter);
        EXPECT_EQ(frame_.Doc().IsModified(), c.inputOk);
    }
}

// An input window that is not there does nothing, and nothing is marked present.
TEST_F(AnalysisCommandsTest, AMissingInputWindowDoesNothing) {
    FixedGridSearchSheetSlot().Reset();
    Given(false, true, Cpp_AnalysisComputationData::kSearchType2);
    WithDialog([&] { frame_.OnCommand(ID_ANALYSIS_COMPUTATION); },
               [](QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Ok); });
    EXPECT_EQ(fakes_.statusLine.text, "");
    EXPECT_FALSE(Data().HasData());
    EXPECT_FALSE(frame_.Doc().IsModified());
}

// Shift on either slip-surface button opens the main dialog instead of the tool.
TEST_F(AnalysisCommandsTest, ShiftOnTheSlipSurfaceButtonsOpensTheMainDialog) {
    for (int id : {ID_ENTER_CIRCULAR_SLIP_SURFACE, ID_ENTER_NONCIRCULAR_SLIP_SURFACE}) {
        WithDialog([&] { Click(id, Qt::ShiftModifier); },
                   [](QDialog* d) {
                       EXPECT_EQ(d->windowTitle(), "Main Analysis/Computation Dialog");
                       testsupport::PressButton(d, QDialogButtonBox::Cancel);
                   });
        EXPECT_EQ(frame_.GetEditMode(), EditModeNone);
    }
    Click(ID_SELECT_ITEMS);  // no key held for the tests after this one
}

// A plain click asks the type when the data have none, and a change of shape of existing data
// first; No or Cancel leaves data and tool as they were.
TEST_F(AnalysisCommandsTest, PlainClickAsksTheTypeAndTheChangeOfShape) {
    using A = Cpp_AnalysisComputationData;
    // No data yet: the shape is the button's, the type is asked.
    Given(false, false, A::kSearchType1);
    WithDialog([&] { Click(ID_ENTER_CIRCULAR_SLIP_SURFACE); },
               [](QDialog* d) {
                   EXPECT_EQ(d->windowTitle(), "Select Type of Computations");
                   EXPECT_EQ(Items(Combo(d, "type")), kCircleTypes);
                   EXPECT_EQ(Combo(d, "type")->currentIndex(), 0);
                   Step(Combo(d, "type"), 2);
                   testsupport::PressButton(d, QDialogButtonBox::Ok);
               });
    EXPECT_TRUE(Data().IsCircular());
    EXPECT_EQ(Data().GetMode(), A::kSearchType2);
    EXPECT_EQ(frame_.GetEditMode(), EditModeCircle);

    // The type dialog cancelled: the tool does not change.
    Given(false, true, A::kIndividual);
    WithDialog([&] { Click(ID_ENTER_NONCIRCULAR_SLIP_SURFACE); },
               [](QDialog* d) {
                   EXPECT_EQ(Items(Combo(d, "type")), kNoncircularTypes);
                   testsupport::PressButton(d, QDialogButtonBox::Cancel);
               });
    EXPECT_EQ(Data().GetMode(), A::kNone);
    EXPECT_EQ(frame_.GetEditMode(), EditModeCircle);

    // Noncircular data: No keeps them, Yes makes them circular and keeps their mode.
    const std::string question =
        "Current shape of shear surfaces is noncircular.  Do you want to change this?";
    for (platform::BoxResult answer : {platform::BoxResult::No, platform::BoxResult::Yes}) {
        Given(true, false, A::kSearchType1);
        fakes_.messageBoxes.requests.clear();
        fakes_.messageBoxes.answers = {answer};
        Click(ID_SELECT_ITEMS);
        Click(ID_ENTER_CIRCULAR_SLIP_SURFACE);
        ASSERT_EQ(fakes_.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes_.messageBoxes.requests[0].caption, "Notice");
        EXPECT_EQ(fakes_.messageBoxes.requests[0].text, question);
        const bool yes = answer == platform::BoxResult::Yes;
        EXPECT_EQ(Data().IsCircular(), yes);
        EXPECT_EQ(Data().GetMode(), A::kSearchType1);
        EXPECT_EQ(frame_.GetEditMode(), yes ? EditModeCircle : EditModeSelect);
    }
    // And the twin for circles.
    Given(true, true, A::kIndividual);
    fakes_.messageBoxes.requests.clear();
    fakes_.messageBoxes.answers = {platform::BoxResult::No};
    Click(ID_ENTER_NONCIRCULAR_SLIP_SURFACE);
    ASSERT_EQ(fakes_.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes_.messageBoxes.requests[0].text,
              "Current shape of shear surfaces is circles.  Do you want to change this?");
    EXPECT_TRUE(Data().IsCircular());
}

// After a change to noncircular, the type dialog offers the two noncircular types and opens a
// type 2 mode at "Individual slip surface".
TEST_F(AnalysisCommandsTest, TypeDialogForNoncircularOpensAtTheFirstType) {
    int mode = Cpp_AnalysisComputationData::kSearchType2;
    WithDialog(
        [&] { EXPECT_TRUE(Cpp_AnalysisComputationData::AskModeAfterShapeChange(false, mode)); },
        [](QDialog* d) {
            EXPECT_EQ(Items(Combo(d, "type")), kNoncircularTypes);
            EXPECT_EQ(Combo(d, "type")->currentIndex(), 0);
            Step(Combo(d, "type"), 1);
            testsupport::PressButton(d, QDialogButtonBox::Ok);
        });
    EXPECT_EQ(mode, Cpp_AnalysisComputationData::kSearchType1);
}

}  // namespace
