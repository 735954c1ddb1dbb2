// The tables of the profile, piezometric and reinforcement lines, opened from their commands and
// tool buttons on the sample embankment and driven through their real widgets: the line list
// (items chosen by mouse and keys, numbers typed over items), the buttons, the fields and the
// cells; OK or Cancel, then the data read back.

#include "app/commands/tool_commands.h"
#include "app/frame_on_example.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/file_io.h"
#include "core/string_table.h"
#include "dialogs/dialog_registration.h"
#include "graphics/graphics.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "loads/distributed_load_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "platform/qt/grid_driver.h"
#include "platform/qt/modal_driver.h"
#include "porepressure/piezometric_line.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace {

using gridctrl::GridCtrlWidget;
using Points = std::vector<std::pair<double, double>>;
using testsupport::PointsOf;

std::vector<int> NumbersOf(const Cpp_LineList& list) {
    std::vector<int> numbers;
    for (int i = 0; i < list.Count(); ++i) numbers.push_back(list.LineAt(i)->GetNumber());
    return numbers;
}

const char* const kNoLine =
    "No line currently exists - create/select a line before entering coordinates";

class LineTables : public testsupport::FrameOnExample {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::LoadStringTable(error)) << error;
        OpenExample("embankment.preinput-kliven");
    }
    void TearDown() override {
        testsupport::FrameOnExample::TearDown();
        ResetStringTable();
    }

    static QTreeWidget* List(QDialog* d) { return d->findChild<QTreeWidget*>("lineList"); }
    static std::vector<std::string> ListTexts(QDialog* d) {
        std::vector<std::string> texts;
        for (int i = 0; i < List(d)->topLevelItemCount(); ++i)
            texts.push_back(List(d)->topLevelItem(i)->text(0).toStdString());
        return texts;
    }
    static int Highlighted(QDialog* d) {
        return List(d)->indexOfTopLevelItem(List(d)->currentItem());
    }
    static QString Field(QDialog* d, const char* name) {
        return d->findChild<QLineEdit*>(name)->text();
    }
    static void SetField(QDialog* d, const char* name, const QString& text) {
        testsupport::Retype(d->findChild<QLineEdit*>(name), text);
    }
    static void Click(QDialog* d, const char* button) {
        QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // A click on an item of the line list.
    static void ClickItem(QDialog* d, int item) {
        QTreeWidget* list = List(d);
        const QRect r = list->visualItemRect(list->topLevelItem(item));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Types a number over an item of the line list as a user would (the item's editor, Enter);
    // its check runs once the editor has closed.
    static void TypeOverItem(QDialog* d, int item, const QString& text) {
        QTreeWidget* list = List(d);
        list->editItem(list->topLevelItem(item), 0);
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor stores its text after the key, and the number is checked after that.
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    Cpp_ProfileLineList& Profile() { return DataSet().ProfileLines(); }
};

// ---- Profile lines

TEST_F(LineTables, ProfileTableShowsTheFirstLineAndAnEditedPointSurvivesSaveAndReopen) {
    std::vector<std::string> titles, texts;
    const QString caption = RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        for (int c = 0; c < 3; ++c) titles.push_back(Grid(d).GetCellText(0, c));
        texts = ListTexts(d);
        EXPECT_EQ(d->findChild<QGroupBox*>("displaySelections")->title(),
                  "Display Selections for Profile Lines");
        EXPECT_EQ(Grid(d).GetCellText(1, 0), "Point: 1");
        EXPECT_EQ(Grid(d).GetCellText(2, 2), "50.000000");
        EXPECT_EQ(Field(d, "lineNumber"), "1");
        EXPECT_EQ(Field(d, "materialNumber"), "1");
        EXPECT_EQ(Field(d, "description"), "Embankment fill");
        EXPECT_EQ(Field(d, "numberOfLines"), "3");
        EXPECT_EQ(Highlighted(d), 0);
        Type(d, 2, 2, "55");
        Ok(d);
    });
    EXPECT_EQ(caption, "Profile Lines");
    EXPECT_EQ(titles, (std::vector<std::string>{"Item", "X", "Y"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(frame.Doc().IsModified());
    const Points expected{{40, 30}, {80, 55}, {160, 50}};
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)), expected);
    // The generated slope follows the new profile.
    EXPECT_FALSE(DataSet().SlopeGeometry().IsEntered());
    const Points slope = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    EXPECT_NE(std::find(slope.begin(), slope.end(), std::pair<double, double>{80, 55}),
              slope.end());

    ASSERT_TRUE(frame.FileSave());
    ASSERT_TRUE(frame.FileOpen(example));
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)), expected);
}

TEST_F(LineTables, CancelChangesNoLineAndLeavesTheDocumentUnmodified) {
    const Points before = PointsOf(*Profile().FindProfileLine(2));
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        Type(d, 1, 1, "7");
        ClickItem(d, 1);
        Click(d, "deleteLine");
        Click(d, "newLine");
        Cancel(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(2)), before);
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)).front().first, 40);
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST_F(LineTables, NewLineTakesTheSmallestFreeNumberAndMaterialAndClearsTheGridWhenAsked) {
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        // Lines 1, 2 and 4 (materials 1, 2, 3): the new line is 3 with material 4.
        TypeOverItem(d, 2, "4");
        Click(d, "newLine");
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"1", "2", "4", "3"}));
        EXPECT_EQ(Highlighted(d), 3);
        EXPECT_EQ(Field(d, "lineNumber"), "3");
        EXPECT_EQ(Field(d, "materialNumber"), "4");
        EXPECT_EQ(Field(d, "description"), "Profile line 3");
        EXPECT_EQ(Field(d, "numberOfLines"), "4");
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "");
        Type(d, 1, 1, "0");
        Type(d, 1, 2, "5");
        Type(d, 2, 1, "160");
        Type(d, 2, 2, "5");
        // Without clearing, the next line starts with the points of this one.
        QTest::mouseClick(d->findChild<QCheckBox*>("clearCoordinates"), Qt::LeftButton, {},
                          QPoint(6, 6));
        Click(d, "newLine");
        EXPECT_EQ(Field(d, "lineNumber"), "5");
        EXPECT_EQ(Field(d, "materialNumber"), "5");
        EXPECT_EQ(Grid(d).GetCellText(2, 1), "160.000000");  // in the column's format
        Ok(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), (std::vector<int>{1, 2, 4, 3, 5}));
    EXPECT_EQ(Profile().FindProfileLine(3)->GetMaterialNumber(), 4);
    EXPECT_EQ(Profile().FindProfileLine(3)->Description(), "Profile line 3");
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(5)), (Points{{0, 5}, {160, 5}}));
    EXPECT_EQ(Profile().FindProfileLine(4)->GetMaterialNumber(), 3);
}

TEST_F(LineTables, AnEmptyFamilyShowsNoneRefusesCellEditsOncePerActionAndNewLineMakesLineOne) {
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        Click(d, "deleteAllLines");
        EXPECT_EQ(ListTexts(d), std::vector<std::string>{"<None>"});
        EXPECT_EQ(Field(d, "numberOfLines"), "0");
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "");
        // A key typed into a cell and a paste of four cells: one notice each, nothing written.
        Grid(d).SetFocusCell(1, 1);
        Table(d)->setFocus();
        QTest::keyClicks(Table(d), "5");
        fakes.clipboard.text = "1\t2\n3\t4\n";
        Grid(d).SetFocusCell(1, 1);
        Grid(d).SetSelectedRange(1, 1, 1, 1);
        QTest::keyClick(Table(d), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(fakes.messageBoxes.Texts(), (std::vector<std::string>{kNoLine, kNoLine}));
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
        EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Information);
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) EXPECT_EQ(Grid(d).GetCellText(r, c), "") << r << c;
        Click(d, "newLine");
        EXPECT_EQ(ListTexts(d), std::vector<std::string>{"1"});
        EXPECT_EQ(Field(d, "lineNumber"), "1");
        EXPECT_EQ(Field(d, "materialNumber"), "1");
        EXPECT_EQ(Field(d, "description"), "Profile line 1");
        Type(d, 1, 1, "0");
        Type(d, 1, 2, "1");
        Type(d, 2, 1, "9");
        Type(d, 2, 2, "1");
        Ok(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), std::vector<int>{1});
    EXPECT_EQ(Profile().FindProfileLine(1)->GetMaterialNumber(), 1);
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)), (Points{{0, 1}, {9, 1}}));
}

TEST_F(LineTables, ATypedLineNumberIsCheckedAndOnlyTheEditedItemIsRenumbered) {
    const struct {
        const char* text;
        std::string notice;  // empty: accepted
    } cases[] = {
        {"12a", "Line number cannot contain \"a\" - enter the digits 0 to 9 only"},
        {"-3", "Line number cannot contain \"-\" - enter the digits 0 to 9 only"},
        {"", "Line number cannot be blank"},
        {"2", "Line number 2 already exists"},
        {"99999999999", "Line number 99999999999 is too large"},
        {"7", ""},
    };
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            fakes.messageBoxes.requests.clear();
            // Item 2 (line 3) while line 1 is current.
            TypeOverItem(d, 2, c.text);
            if (c.notice.empty()) {
                EXPECT_TRUE(fakes.messageBoxes.requests.empty());
                EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"1", "2", c.text}));
            } else {
                ASSERT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{c.notice});
                EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
                EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"1", "2", "3"}));
            }
            EXPECT_EQ(Field(d, "lineNumber"), "1");
            EXPECT_EQ(Highlighted(d), 0);
        }
        Ok(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), (std::vector<int>{1, 2, 7}));
    EXPECT_EQ(Profile().FindProfileLine(7)->Description(), "Firm sand");
}

TEST_F(LineTables, LineNumberZeroIsRefusedWhenStoredAndNothingIsLost) {
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        // The current line numbered 0: New Line reports it and makes no line; the edits stay.
        Type(d, 1, 1, "41");
        TypeOverItem(d, 0, "0");
        EXPECT_EQ(Field(d, "lineNumber"), "0");
        fakes.messageBoxes.requests.clear();
        Click(d, "newLine");
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  std::vector<std::string>{
                      "Illegal line number - Line numbers must be greater than zero."});
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Profile Line Error");
        EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"0", "2", "3"}));
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "41.000000");
        TypeOverItem(d, 0, "1");
        // A line never current numbered 0: OK shows it and stays open.
        TypeOverItem(d, 2, "0");
        fakes.messageBoxes.requests.clear();
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  std::vector<std::string>{
                      "Illegal line number - Line numbers must be greater than zero."});
        EXPECT_EQ(Highlighted(d), 2);
        EXPECT_EQ(Field(d, "lineNumber"), "0");
        EXPECT_EQ(Field(d, "description"), "Firm sand");
        TypeOverItem(d, 2, "3");
        Ok(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)).front(), (std::pair<double, double>{41, 30}));
}

TEST_F(LineTables, EveryChangeOfTheHighlightedItemSwitchesLinesUnlessTheLineCannotBeStored) {
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        SetField(d, "materialNumber", "6");
        Type(d, 1, 2, "31");
        // Down in the list stores line 1 and shows line 2.
        List(d)->setFocus();
        QTest::keyClick(List(d), Qt::Key_Down);
        EXPECT_EQ(Field(d, "lineNumber"), "2");
        EXPECT_EQ(Field(d, "materialNumber"), "2");
        EXPECT_EQ(Grid(d).GetCellText(1, 2), "30.000000");
        // Line 2 with a single point cannot be stored: the click on item 3 leaves it current.
        Type(d, 2, 1, "");
        Type(d, 2, 2, "");
        fakes.messageBoxes.requests.clear();
        ClickItem(d, 2);
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  std::vector<std::string>{"Not enough values (rows of data): 1 values entered, "
                                           "minimum number required = 2"});
        EXPECT_EQ(Field(d, "lineNumber"), "2");
        EXPECT_EQ(Highlighted(d), 1);
        Type(d, 2, 1, "160");
        Type(d, 2, 2, "29");
        ClickItem(d, 2);
        EXPECT_EQ(Field(d, "lineNumber"), "3");
        Ok(d);
    });
    EXPECT_EQ(Profile().FindProfileLine(1)->GetMaterialNumber(), 6);
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(1)).front(), (std::pair<double, double>{40, 31}));
    EXPECT_EQ(PointsOf(*Profile().FindProfileLine(2)), (Points{{0, 30}, {160, 29}}));
}

TEST_F(LineTables, DeletingTheCurrentLineShowsTheNextOrTheNewLastAndTheLastLeavesNone) {
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        Click(d, "deleteLine");  // line 1
        EXPECT_EQ(ListTexts(d), (std::vector<std::string>{"2", "3"}));
        EXPECT_EQ(Field(d, "lineNumber"), "2");
        ClickItem(d, 1);
        Click(d, "deleteLine");  // line 3, the last
        EXPECT_EQ(Field(d, "lineNumber"), "2");
        EXPECT_EQ(Highlighted(d), 0);
        Click(d, "deleteLine");
        EXPECT_EQ(ListTexts(d), std::vector<std::string>{"<None>"});
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "");
        Cancel(d);
    });
    EXPECT_EQ(NumbersOf(Profile()), (std::vector<int>{1, 2, 3}));
}

TEST_F(LineTables, ALineOfFifteenHundredPointsOpensWithEveryRow) {
    std::vector<s_tagTypePointXY> points;
    for (int i = 0; i < 1500; ++i) points.push_back({i * 0.1, 10});
    Profile().FindProfileLine(3)->SetPointsFromXYArray(points, 1500);
    RunCommand(ID_PROFILE_LINES, [&](QDialog* d) {
        ClickItem(d, 2);
        EXPECT_GE(Grid(d).GetRowCount(), 1501);
        EXPECT_EQ(Grid(d).GetCellText(1500, 1), "149.900000");
        Ok(d);
    });
    EXPECT_EQ(Profile().FindProfileLine(3)->NumberOfPoints(), 1500);
}

// ---- Piezometric lines

TEST_F(LineTables, AnEmptyStageTwoStartsWithLineOneAndTheUnitWeightOfWaterWhichMustBePositive) {
    std::string group;
    const QString caption = RunCommand(ID_PIEZOMETRIC_LINES_STAGE2, [&](QDialog* d) {
        group = d->findChild<QGroupBox*>("displaySelections")->title().toStdString();
        EXPECT_EQ(ListTexts(d), std::vector<std::string>{"<None>"});
        EXPECT_EQ(Field(d, "lineNumber"), "1");
        EXPECT_EQ(Field(d, "unitWeight"), "62.4");
        EXPECT_EQ(d->findChild<QLineEdit*>("materialNumber"), nullptr);
        Click(d, "newLine");
        EXPECT_EQ(Field(d, "description"), "Piezometric line 1");
        Type(d, 1, 1, "0");
        Type(d, 1, 2, "20");
        Type(d, 2, 1, "160");
        Type(d, 2, 2, "25");
        SetField(d, "unitWeight", "0");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        SetField(d, "unitWeight", "62.5");
        Ok(d);
    });
    EXPECT_EQ(caption, "Piezometric Lines - Stage 2");
    EXPECT_EQ(group, "Display Selections for Piezometric Lines - Stage 2");
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Piezometric Line Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Error: Bad unit weight of fluid.  Zero or negative values are not allowed for the "
              "unit weight of fluid.");
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 2);
    const Cpp_PiezometricLine* line = DataSet().PiezometricLines(2)->FindLine(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->UnitWeight(), 62.5);
    EXPECT_EQ(PointsOf(*line), (Points{{0, 20}, {160, 25}}));
    EXPECT_EQ(NumbersOf(*DataSet().PiezometricLines(1)), std::vector<int>{1});
}

TEST_F(LineTables, OkOnThePiezometricLinesRegeneratesTheWaterLoads) {
    Cpp_DistributedLoadData& loads = *DataSet().DistributedLoads(1);
    loads.DeleteAllPoints();
    ASSERT_TRUE(loads.SetPiezometricLine(1));
    ASSERT_TRUE(GenerateWaterLoads(DataSet(), 1, nullptr));
    const auto stresses = [&] {
        std::vector<std::pair<double, double>> values;
        for (const s_DistributedLoadPoint& p : loads.GetPoints()) values.push_back({p.x, p.normal});
        return values;
    };
    // The water table lies below the ground: no water load yet.
    ASSERT_TRUE(stresses().empty());
    RunCommand(ID_PIEZOMETRIC_LINES_STAGE1, [&](QDialog* d) {
        Type(d, 1, 2, "35");
        Type(d, 2, 2, "35");
        Ok(d);
    });
    // Ponded over the toe: 5 ft of water at 62.4.
    const auto after = stresses();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.front(), (std::pair<double, double>{0, 5 * 62.4}));
    EXPECT_TRUE(loads.UsesPiezometricLine());
}

// ---- Reinforcement lines

TEST_F(LineTables, ReinforcementTableCarriesTheForcesAndMakesTheLargestForceTheScalesValue) {
    std::vector<std::string> titles;
    const QString caption = RunCommand(ID_REINFORCEMENT, [&](QDialog* d) {
        for (int c = 0; c < 5; ++c) titles.push_back(Grid(d).GetCellText(0, c));
        EXPECT_EQ(d->findChild<QGroupBox*>("displaySelections")->title(),
                  "Display Selections for Reinforcement Lines");
        EXPECT_NE(d->findChild<QCheckBox*>("displayTransverseForce"), nullptr);
        EXPECT_EQ(Field(d, "maximumRotation"), "0");
        EXPECT_EQ(Grid(d).GetCellText(1, 3), "2000");
        Type(d, 2, 3, "3000");
        SetField(d, "maximumRotation", "15");
        d->findChild<QComboBox*>("forceOption")->setCurrentIndex(1);
        Ok(d);
    });
    EXPECT_EQ(caption, "Reinforcement Lines");
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Item", "X\n(ft.)", "Y\n(ft.)", "Long. Force\n(lbs/ft)",
                                        "Trans. Force\n(lbs/ft)"}));
    const Cpp_ReinforcementLine* line = DataSet().ReinforcementLines()->FindReinforcementLine(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetAngle(), 15);
    EXPECT_EQ(line->GetForceOption(), 2);
    EXPECT_EQ(line->Description(), "Geogrid");
    EXPECT_EQ(line->GetLastPoint()->longitudinalForce, 3000);
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), 3000);
    EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
    EXPECT_TRUE(frame.Doc().IsModified());
}

// ---- Tool buttons

TEST_F(LineTables, ShiftAndCtrlOnTheLineToolsOpenTheirTablesOnTheirStages) {
    const struct {
        int tool;
        Qt::KeyboardModifiers keys;
        const char* caption;  // the window shown, "" for none
        bool switched;        // the tool is switched
    } cases[] = {
        {ID_ENTER_PROFILE_LINES, Qt::ShiftModifier, "Profile Lines", false},
        {ID_ENTER_PROFILE_LINES, Qt::ControlModifier, "", true},
        {ID_ENTER_PIEZOMETRIC_LINES, Qt::ShiftModifier, "Piezometric Lines - Stage 1", false},
        {ID_ENTER_PIEZOMETRIC_LINES, Qt::ControlModifier, "Piezometric Lines - Stage 2", false},
        {ID_ENTER_REINFORCEMENT_LINES, Qt::ShiftModifier, "Reinforcement Lines", false},
        // The tool's first use shows its options window.
        {ID_ENTER_REINFORCEMENT_LINES, Qt::ControlModifier, "Reinforcement Data Entry Options",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        QString caption;
        if (*c.caption)
            testsupport::WhenModal([&](QWidget* modal) {
                caption = modal->windowTitle();
                Cancel(static_cast<QDialog*>(modal));
            });
        frame.show();
        const int before = frame.GetEditMode();
        QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(c.tool)),
                          Qt::LeftButton, c.keys);
        EXPECT_EQ(caption.toStdString(), c.caption);
        EXPECT_EQ(frame.GetEditMode(), c.switched ? app::EditModeForCommand(c.tool) : before);
        // A plain click on the selection tool, so no key stays held for what follows.
        QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                          Qt::LeftButton);
    }
    EXPECT_FALSE(frame.Doc().IsModified());
}

}  // namespace
