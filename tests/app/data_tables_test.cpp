// The Data-menu tables opened from their commands and tool buttons on a sample problem, driven
// through their real widgets: cells typed, OK or Cancel pressed, the data read back.

#include "app/data_entry.h"
#include "app/frame_on_example.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/file_io.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/xy_line_grid_dialog.h"
#include "graphics/line_table_dialogs.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "model/data_sets.h"
#include "platform/qt/grid_driver.h"
#include "platform/qt/modal_driver.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace {

using gridctrl::GridCtrlWidget;
using testsupport::PointsOf;

class DataTables : public testsupport::FrameOnExample {
protected:
    void SetUp() override { OpenExample("loaded_embankment.preinput-kliven"); }

    // A click on the box's indicator.
    static void ClickBox(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
};

TEST_F(DataTables, SlopeLineTableTakesThePointsInTableOrderAndTheSlopeCountsAsEntered) {
    const auto generated = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    ASSERT_GE(generated.size(), 2u);
    int rows = 0;
    const QString caption = RunCommand(32792, [&](QDialog* d) {
        rows = Grid(d).GetRowCount();
        EXPECT_EQ(Grid(d).GetCellText(0, 0), "Point");
        EXPECT_EQ(Grid(d).GetCellText(0, 1), "X");
        EXPECT_EQ(Grid(d).GetCellText(1, 0), "Point: 1");
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "0.000000");
        Type(d, 1, 1, "7.5");
        Type(d, 2, 1, "-3");  // not sorted by x
        Ok(d);
    });
    EXPECT_EQ(caption, "Enter points for slope geometry");
    EXPECT_EQ(rows, 21);  // 20 data rows for up to 19 points and one empty row
    auto expected = generated;
    expected[0].first = 7.5;
    expected[1].first = -3;
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), expected);
    EXPECT_TRUE(DataSet().SlopeGeometry().IsEntered());
    EXPECT_TRUE(frame.Doc().IsModified());
}

TEST_F(DataTables, SlopeLineTableRefusesOnePointAndCancelChangesNothing) {
    const auto before = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    RunCommand(32792, [&](QDialog* d) {
        for (int r = Grid(d).GetRowCount() - 1; r >= 2; --r)
            for (int c = 1; c <= 2; ++c) Grid(d).SetCellText(r, c, "");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        Cancel(d);
    });
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Not enough values (rows of data): 1 values entered, "
                                       "minimum number required = 2"});
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), before);
    EXPECT_FALSE(DataSet().SlopeGeometry().IsEntered());
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST_F(DataTables, ThirtySlopePointsOpenWithOneEmptyRowAndTheShiftedToolOpensTheSameTable) {
    Cpp_SlopeLine& slope = DataSet().SlopeGeometry().GetSlopeLine();
    slope.DeleteAllPoints();
    for (int i = 0; i < 30; ++i) slope.AddPoint(i, 50 - i);
    int rows = -1;
    std::string last, afterLast;
    QString caption;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* d = static_cast<QDialog*>(modal);
        caption = d->windowTitle();
        rows = Grid(d).GetRowCount();
        last = Grid(d).GetCellText(30, 2);
        afterLast = Grid(d).GetCellText(31, 1);
        Cancel(d);
    });
    ClickTool(ID_ENTER_SLOPE_LINE, Qt::ShiftModifier);
    EXPECT_EQ(caption, "Enter points for slope geometry");
    EXPECT_EQ(rows, 32);
    EXPECT_EQ(last, "21.000000");
    EXPECT_EQ(afterLast, "");
}

// A table emptied by its opener leaves no hand-entered slope: the slope is generated again.
class EmptyingXYTable final : public SimpleXYLineGridDialog {
public:
    bool Run(s_XYLineTable& table) override {
        table.points.clear();
        return true;
    }
};

TEST_F(DataTables, AnEmptiedSlopeIsGeneratedAgainFromTheProfileLines) {
    const auto generated = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    DataSet().SlopeGeometry().GetSlopeLine().AddPoint(200, 0);
    DataSet().SlopeGeometry().SetEnteredFlag(true);
    EmptyingXYTable empty;
    SimpleXYLineGridDialogSlot().Set(&empty);
    EXPECT_TRUE(app::EnterSlopeLine(frame));
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), generated);
    EXPECT_FALSE(DataSet().SlopeGeometry().IsEntered());
}

// ---- Distributed loads

TEST_F(DataTables, DistributedLoadTableTakesThePointsAndMarksTheDocumentModified) {
    std::vector<std::string> titles;
    std::string header;
    int rows = 0;
    const QString caption = RunCommand(32786, [&](QDialog* d) {
        rows = Grid(d).GetRowCount();
        for (int c = 0; c < 5; ++c) titles.push_back(Grid(d).GetCellText(0, c));
        header = Grid(d).GetCellText(5, 0);
        Type(d, 1, 3, "650");
        Type(d, 6, 1, "90");
        Type(d, 6, 2, "25");
        Type(d, 6, 3, "10");
        Type(d, 6, 4, "-5");
        Ok(d);
    });
    EXPECT_EQ(caption, "Distributed Loads - Stage 1");
    EXPECT_EQ(titles, (std::vector<std::string>{"Item", "X\n(ft.)", "Y\n(ft.)",
                                                "Normal Stress\n(psf)", "Shear Stress\n(psf)"}));
    EXPECT_EQ(header, "Point: 5");
    EXPECT_EQ(rows, 21);
    const std::vector<s_DistributedLoadPoint> points = DataSet().DistributedLoads(1)->GetPoints();
    ASSERT_EQ(points.size(), 6u);
    EXPECT_EQ(points[0].normal, 650);
    EXPECT_EQ(points[5].x, 90);
    EXPECT_EQ(points[5].shear, -5);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

TEST_F(DataTables, ComputingFromAPiezometricLineGreysTheGridAndStoresTheNumberWithoutPoints) {
    bool enabledAfter = true;
    std::string cellAfter;
    RunCommand(32787, [&](QDialog* d) {
        auto* box = d->findChild<QCheckBox*>("fromPiezometricLine");
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(d->findChild<QLineEdit*>("piezometricLine")->text(), "1");
        Type(d, 1, 1, "4");
        ClickBox(box);
        EXPECT_TRUE(box->isChecked());
        enabledAfter = Grid(d).IsGridEnabled();
        cellAfter = Grid(d).GetCellText(1, 1);
        testsupport::Retype(d->findChild<QLineEdit*>("piezometricLine"), "3");
        Ok(d);
    });
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 2);
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(cellAfter, "");
    const Cpp_DistributedLoadData& loads = *DataSet().DistributedLoads(2);
    EXPECT_TRUE(loads.UsesPiezometricLine());
    EXPECT_EQ(loads.PiezometricLineNumber(), 3);
    EXPECT_EQ(loads.Count(), 0);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());  // no question about discarding points

    // Opened again: the box checked, line 3, the grid greyed.
    RunCommand(32787, [&](QDialog* d) {
        EXPECT_TRUE(d->findChild<QCheckBox*>("fromPiezometricLine")->isChecked());
        EXPECT_EQ(d->findChild<QLineEdit*>("piezometricLine")->text(), "3");
        EXPECT_FALSE(Grid(d).IsGridEnabled());
        Cancel(d);
    });
}

// Regression: a line number below 1 was stored and written as a block no reading accepts.
TEST_F(DataTables, APiezometricLineNumberBelowOneIsRefusedAndTheDialogStaysOpen) {
    const auto before = DataSet().DistributedLoads(1)->GetPoints();
    RunCommand(32786, [&](QDialog* d) {
        ClickBox(d->findChild<QCheckBox*>("fromPiezometricLine"));
        testsupport::Retype(d->findChild<QLineEdit*>("piezometricLine"), "0");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        Cancel(d);
    });
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Distributed Load Data Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Error: Bad number for piezometric line to be used to generate distributed loads.  "
              "Piezometric line number must be greater than zero.");
    EXPECT_EQ(DataSet().DistributedLoads(1)->GetPoints().size(), before.size());
    EXPECT_FALSE(DataSet().DistributedLoads(1)->UsesPiezometricLine());
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST_F(DataTables, DistributedLoadRowsFollowThePointCountAndTheDefaultLineIsTheSmallest) {
    struct Case {
        int points;
        int rows;
    };
    for (const Case& c : {Case{3, 21}, Case{25, 26}}) {
        std::vector<s_DistributedLoadPoint> points;
        for (int i = 0; i < c.points; ++i) points.push_back({double(i), 10.0, 1.0, 0.0});
        DataSet().DistributedLoads(1)->SetPoints(points);
        int rows = 0;
        RunCommand(32801, [&](QDialog* d) {
            rows = Grid(d).GetRowCount();
            Cancel(d);
        });
        EXPECT_EQ(rows, c.rows) << c.points;
    }
    DataSet().PiezometricLines(1)->CreateLine(4, 62.4, "");
    DataSet().PiezometricLines(1)->CreateLine(2, 62.4, "");
    QString line;
    RunCommand(32801, [&](QDialog* d) {
        line = d->findChild<QLineEdit*>("piezometricLine")->text();
        Cancel(d);
    });
    EXPECT_EQ(line, "2");
}

TEST_F(DataTables, AnEmptiedDistributedLoadTableDeletesThePoints) {
    ASSERT_GT(DataSet().DistributedLoads(1)->Count(), 0);
    RunCommand(32786, [&](QDialog* d) {
        Grid(d).ClearCellTexts();
        Ok(d);
    });
    EXPECT_EQ(DataSet().DistributedLoads(1)->Count(), 0);
    EXPECT_TRUE(frame.Doc().IsModified());
}

// ---- Line loads

TEST_F(DataTables, LineLoadTableNumbersTheLoadsInTableOrderAndConvertsNothing) {
    std::vector<std::string> titles;
    std::string option, header;
    int rows = 0;
    const QString caption = RunCommand(32788, [&](QDialog* d) {
        rows = Grid(d).GetRowCount();
        for (int c = 0; c < 6; ++c) titles.push_back(Grid(d).GetCellText(0, c));
        header = Grid(d).GetCellText(1, 0);
        option = Grid(d).GetCellText(1, 5);
        // A second load above the first, by magnitude and direction.
        Grid(d).SetSelectedRange(1, 1, 1, 5);
        Grid(d).OnMenuCommand(gridctrl::ID_ADD_ROWS_ABOVE);
        Type(d, 1, 1, "5");
        Type(d, 1, 2, "40");
        Type(d, 1, 3, "100");
        Type(d, 1, 4, "30");
        Type(d, 1, 5, "Magnitude and Direction");
        // The old load's option changed: its numbers become magnitude and inclination as they are.
        Type(d, 2, 5, "Magnitude and Direction");
        Ok(d);
    });
    EXPECT_EQ(caption, "Line Load Data - Stage 1");
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Item", "X\n(ft.)", "Y\n(ft.)",
                                        "Horiz. Component\nor Magnitude\n(lbs/ft)",
                                        "Vert. Component\nor Inclination\n(lbs/ft or degrees)",
                                        "                   Option                   "}));
    EXPECT_EQ(header, "Load: 1");
    EXPECT_EQ(option, "Components");
    EXPECT_EQ(rows, 16);
    const auto& loads = DataSet().LineLoads(1)->Loads();
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0]->number, 1);
    EXPECT_EQ(loads[0]->X(), 5);
    EXPECT_EQ(loads[0]->option, 2);
    EXPECT_EQ(loads[0]->resultant, 100);
    EXPECT_DOUBLE_EQ(loads[0]->inclination, 30);
    EXPECT_EQ(loads[1]->number, 2);
    EXPECT_EQ(loads[1]->option, 2);
    EXPECT_EQ(loads[1]->resultant, 0);
    EXPECT_EQ(loads[1]->inclination, -2000);
    EXPECT_TRUE(frame.Doc().IsModified());
}

// A click on the current X cell, then 20 and Tab: the load is at 20, and the cell shows it in
// the column's format like every other cell of the column.
TEST_F(DataTables, TypingOverTheClickedCurrentCellOfTheLineLoadTableStoresTheTypedValue) {
    std::string before, shown, typedY;
    RunCommand(32788, [&](QDialog* d) {
        gridctrl::CGridCtrlKDX& grid = Grid(d);
        before = grid.GetCellText(1, 1);
        grid.SetFocusCell(1, 1);
        grid.SetSelectedRange(1, 1, 1, 1);
        gridctrl::DeviceRect rect;
        ASSERT_TRUE(grid.GetCellRect(1, 1, rect));
        QTest::mouseClick(Table(d)->viewport(), Qt::LeftButton, {},
                          QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        QWidget* editor = Table(d)->Editor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, "20");
        QTest::keyClick(editor, Qt::Key_Tab);
        shown = grid.GetCellText(1, 1);
        if (Table(d)->Editor()) QTest::keyClick(Table(d)->Editor(), Qt::Key_Escape);
        Type(d, 1, 2, "52");
        typedY = grid.GetCellText(1, 2);
        Ok(d);
    });
    EXPECT_NE(before, "20.000000");
    EXPECT_EQ(shown, "20.000000");
    EXPECT_EQ(typedY, "52.000000");
    const auto& loads = DataSet().LineLoads(1)->Loads();
    ASSERT_FALSE(loads.empty());
    EXPECT_EQ(loads[0]->X(), 20);
    EXPECT_EQ(loads[0]->Y(), 52);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

TEST_F(DataTables, LineLoadRowsFollowTheLoadCountAndAnEmptyTableDeletesEveryLoad) {
    for (const auto& [count, rows] : {std::pair{2, 16}, std::pair{20, 21}}) {
        std::vector<s_LineLoadType> records(count);
        for (int i = 0; i < count; ++i) records[i].x = i;
        DataSet().LineLoads(2)->SetFromTableRecords(records);
        int shown = 0;
        const QString caption = RunCommand(32789, [&](QDialog* d) {
            shown = Grid(d).GetRowCount();
            Cancel(d);
        });
        EXPECT_EQ(caption, "Line Load Data - Stage 2");
        EXPECT_EQ(shown, rows) << count;
    }
    EXPECT_FALSE(frame.Doc().IsModified());
    RunCommand(32802, [&](QDialog* d) {
        Grid(d).ClearCellTexts();
        Ok(d);
    });
    EXPECT_EQ(DataSet().LineLoads(2)->Count(), 0);
    EXPECT_TRUE(frame.Doc().IsModified());
}

TEST_F(DataTables, ShiftAndCtrlOnTheLoadAndPointToolsOpenTheirTablesOnStageOneAndTwo) {
    const struct {
        int tool;
        Qt::KeyboardModifiers keys;
        const char* caption;
    } cases[] = {
        {ID_ENTER_DISTRIBUTED_LOADS, Qt::ShiftModifier, "Distributed Loads - Stage 1"},
        {ID_ENTER_DISTRIBUTED_LOADS, Qt::ControlModifier, "Distributed Loads - Stage 2"},
        {ID_ENTER_LINE_LOADS, Qt::ShiftModifier, "Line Load Data - Stage 1"},
        {ID_ENTER_LINE_LOADS, Qt::ControlModifier, "Line Load Data - Stage 2"},
        {ID_ENTER_PRESSURE_INTERPOLATION_POINTS, Qt::ShiftModifier,
         "Interpolation Data - Pressure Values - Stage 1"},
        {ID_ENTER_STRENGTH_INTERPOLATION_POINTS, Qt::ControlModifier,
         "Interpolation Data - Shear Strength Values - Stage 2"},
    };
    for (const auto& c : cases) {
        QString caption;
        testsupport::WhenModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            Cancel(static_cast<QDialog*>(modal));
        });
        ClickTool(c.tool, c.keys);
        EXPECT_EQ(caption.toStdString(), c.caption);
    }
    EXPECT_FALSE(frame.Doc().IsModified());
}

// ---- Interpolation points

TEST_F(DataTables, PressureTableStoresThePointsByMaterialAndEmptyOpensFiftyRows) {
    std::vector<std::string> titles;
    int rows = 0;
    QString source;
    const QString caption = RunCommand(32780, [&](QDialog* d) {
        rows = Grid(d).GetRowCount();
        for (int c = 0; c < 5; ++c) titles.push_back(Grid(d).GetCellText(0, c));
        source = d->findChild<QLineEdit*>("source")->text();
        const char* cells[3][4] = {
            {"0", "0", "100", "1"}, {"50", "0", "200", "1"}, {"25", "30", "0", "2"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) Type(d, r + 1, c + 1, cells[r][c]);
        Ok(d);
    });
    EXPECT_EQ(caption, "Interpolation Data - Pressure Values - Stage 1");
    EXPECT_EQ(rows, 51);
    EXPECT_EQ(titles, (std::vector<std::string>{"Point", "X", "Y", "Pressure", "Material"}));
    EXPECT_EQ(source, "KLIVEN4 Input");
    const Cpp_InterpolationData& data = *DataSet().InterpolationData(1);
    EXPECT_EQ(data.CountPoints(1), 3);
    ASSERT_NE(data.FindDataSet(1, 2), nullptr);
    EXPECT_EQ(data.FindDataSet(1, 2)->CountPoints(), 1);
    EXPECT_EQ(data.Source(Cpp_InterpolationData::kPressure).source, 0);
    EXPECT_TRUE(frame.Doc().IsModified());

    // Opened again: the three points, then two rows are too few.
    RunCommand(32780, [&](QDialog* d) {
        EXPECT_EQ(Grid(d).GetCellText(2, 3), "200.0");
        Type(d, 3, 1, "");
        Type(d, 3, 2, "");
        Type(d, 3, 3, "");
        Type(d, 3, 4, "");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        Cancel(d);
    });
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Not enough values (rows of data): 2 values entered, "
                                       "minimum number required = 3"});
    EXPECT_EQ(data.CountPoints(1), 3);
}

TEST_F(DataTables, AChosenImportFileIsRecordedAndOkClosesWhateverTheTableHolds) {
    Cpp_InterpolationDataSet* receiving = nullptr;
    DataSet().InterpolationData(2)->AddPointToDataSet(1, 0, 1, 2, 3, 0, 0, receiving);
    fakes.fileDialogs.openAnswers = {std::filesystem::path("/data/site/SITE.UPP")};
    fakes.messageBoxes.answers = {platform::BoxResult::No};
    QString name;
    bool genericEnabled = true;
    RunCommand(32781, [&](QDialog* d) {
        ClickBox(d->findChild<QCheckBox*>("importGeneric"));
        ClickBox(d->findChild<QCheckBox*>("importSeep2d"));
        genericEnabled = d->findChild<QLineEdit*>("nameGeneric")->isEnabled() ||
                         d->findChild<QCheckBox*>("importGeneric")->isChecked();
        QTest::mouseClick(d->findChild<QPushButton*>("browseSeep2d"), Qt::LeftButton);
        name = d->findChild<QLineEdit*>("nameSeep2d")->text();
        ClickBox(d->findChild<QCheckBox*>("readSeep2d"));
        Type(d, 1, 1, "x1");  // refused by a table check, but the table is not read
        Ok(d);
    });
    EXPECT_FALSE(genericEnabled);
    ASSERT_EQ(fakes.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fakes.fileDialogs.openRequests[0].title, "Choose file to import");
    EXPECT_EQ(fakes.fileDialogs.openRequests[0].initialFile, "import.dat");
    EXPECT_EQ(fakes.fileDialogs.openRequests[0].filter,
              "GMS/SEEP2D Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*");
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Choose File Name Format");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Include full path as part of file name?");
    EXPECT_EQ(fakes.messageBoxes.requests[0].defaultButton, platform::BoxResult::No);
    EXPECT_EQ(name, "SITE.UPP");
    const Cpp_InterpolationData& data = *DataSet().InterpolationData(2);
    EXPECT_EQ(data.CountPoints(1), 0);
    const auto& source = data.Source(Cpp_InterpolationData::kPressure);
    EXPECT_EQ(source.source, 2);
    EXPECT_EQ(source.fileName, "SITE.UPP");
    EXPECT_TRUE(source.importToPreprocessor);
}

TEST_F(DataTables, OtherKindsOfferOnlyTheGenericFile) {
    const struct {
        int command;
        const char* caption;
        const char* title;
    } cases[] = {
        {32783, "Interpolation Data - Pore Pressure Coefficients (r-sub-u) - Stage 2", "(r-sub-u)"},
        {32784, "Interpolation Data - Shear Strength Values - Stage 1", "Strength"},
    };
    for (const auto& c : cases) {
        std::string title;
        bool seepHidden = false, genericShown = false;
        const QString caption = RunCommand(c.command, [&](QDialog* d) {
            title = Grid(d).GetCellText(0, 3);
            seepHidden = d->findChild<QCheckBox*>("importSeep2d")->isHidden() &&
                         d->findChild<QPushButton*>("browseSeepW")->isHidden();
            genericShown = !d->findChild<QCheckBox*>("importGeneric")->isHidden();
            Cancel(d);
        });
        EXPECT_EQ(caption.toStdString(), c.caption);
        EXPECT_EQ(title, c.title);
        EXPECT_TRUE(seepHidden);
        EXPECT_TRUE(genericShown);
    }
}

}  // namespace
