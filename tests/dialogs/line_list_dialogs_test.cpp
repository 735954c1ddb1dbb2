// The list-style line dialogs ("Profile Line Data", "Piezometric Line Data") and the line data
// windows, driven through their widgets offscreen and opened through the model's openers, as the
// style-1 line commands open them.

#include "core/format_text.h"
#include "core/preferences.h"
#include "core/string_table.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/line_data_windows.h"
#include "dialogs/line_editing_windows.h"
#include "dialogs/line_list_dialogs.h"
#include "dialogs/list_dialog_driver.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/piezometric_list_dialog.h"
#include "profile/profile_line.h"
#include "profile/profile_list_dialog.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using dialogs::LineListDialog;
using platform::BoxResult;
using Points = std::vector<std::pair<double, double>>;

using testsupport::AnswerInsertQuestion;
using testsupport::FirstCells;
using testsupport::Fixed;
using testsupport::List;
using testsupport::Press;
using testsupport::Type;
using testsupport::WhenModalOf;

void AddPoint(QWidget* d, double x, double y) {
    Type(d, "x", QString::number(x));
    Type(d, "y", QString::number(y));
    Press(d, "addPoint");
}

Points PointsOf(const Cpp_Line* line) {
    Points points;
    for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
        points.emplace_back(p->X(), p->Y());
    return points;
}

class LineListDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::LoadStringTable(error)) << error;
        ProfileLineListDialogSlot().Set(&profileWindow_);
        PiezometricLineListDialogSlot().Set(&piezometricWindow_);
        data = Cpp_Kliven4Data::CurrentDataSet();
    }
    void TearDown() override { ResetStringTable(); }

    static void AddProfileLine(Cpp_Kliven4DataSet* data, int number, int material,
                               const Points& points) {
        Cpp_ProfileLine* line = data->ProfileLines().CreateLine(number, material, "");
        for (auto [x, y] : points) line->AddPoint(x, y);
    }

    // Opens the profile dialog through its opener and runs the action in it.
    bool EditProfile(std::function<void(LineListDialog*)> action) {
        bool reached = false;
        WhenModalOf<LineListDialog>([&](LineListDialog* d) {
            reached = true;
            action(d);
            if (d->isVisible()) d->reject();
        });
        const bool ok = data->ProfileLines().EditWithInputDialog();
        EXPECT_TRUE(reached);
        return ok;
    }
    bool EditPiezometric(int stage, std::function<void(LineListDialog*)> action) {
        bool reached = false;
        WhenModalOf<LineListDialog>([&](LineListDialog* d) {
            reached = true;
            action(d);
            if (d->isVisible()) d->reject();
        });
        const bool ok = data->PiezometricLines(stage)->EditWithInputDialog();
        EXPECT_TRUE(reached);
        return ok;
    }

    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet* data = nullptr;

private:
    dialogs::QtProfileLineList profileWindow_;
    dialogs::QtPiezometricLineList piezometricWindow_;
};

// Points go in ascending x; an equal x asks before or after (default "After"); a point equal in
// x and y is refused with its message; Add Line stores the line, which comes back on OK with the
// default description.
TEST_F(LineListDialogTest, PointsInXOrderSameXAsksDuplicateRefused) {
    std::string question;
    ASSERT_TRUE(EditProfile([&](LineListDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Profile Line Data");
        EXPECT_EQ(List(d, "lineList")->RowText(0), "<None>");
        EXPECT_EQ(List(d, "pointList")->RowText(0), "<No points for current line>");
        EXPECT_EQ(d->findChild<QLineEdit*>("lineNumber")->text(), "1");
        EXPECT_EQ(d->findChild<QLineEdit*>("materialNumber")->text(), "1");
        EXPECT_EQ(d->findChild<QLineEdit*>("description")->text(), "Profile Line 1");
        AddPoint(d, 5, 1);
        AddPoint(d, 2, 3);
        AddPoint(d, 8, 0);
        EXPECT_EQ(FirstCells(List(d, "pointList")),
                  (std::vector<std::string>{Fixed(2), Fixed(5), Fixed(8)}));
        AnswerInsertQuestion("button2", &question);  // "After"
        AddPoint(d, 5, 4);
        AddPoint(d, 5, 1);
        EXPECT_EQ(List(d, "pointList")->count(), 4);
        EXPECT_EQ(d->findChild<QLineEdit*>("numberOfPoints")->text(), "4");
        // The fields back on the current point (5, 4), so that no point is pending.
        Type(d, "y", "4");
        Type(d, "description", "");
        Press(d, "addLine");
        EXPECT_EQ(d->findChild<QLineEdit*>("lineNumber")->text(), "2");
        EXPECT_EQ(d->findChild<QLineEdit*>("materialNumber")->text(), "2");
        EXPECT_EQ(d->findChild<QLineEdit*>("description")->text(), "Profile line 2");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(question, "Two points have the same X; Insert new point before or after existing "
                        "point?");
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Profile Line Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Error: Point being added already exists.  Two points cannot have the same X-Y "
              "coordinates.");
    ASSERT_EQ(data->ProfileLines().Count(), 1);
    const Cpp_ProfileLine* line = data->ProfileLines().ProfileLineAt(0);
    EXPECT_EQ(line->GetNumber(), 1);
    EXPECT_EQ(line->GetMaterialNumber(), 1);
    EXPECT_EQ(line->Description(), "Profile line 1");
    EXPECT_EQ(PointsOf(line), (Points{{2, 3}, {5, 1}, {5, 4}, {8, 0}}));
}

// Add Line refuses number 0 and a used number, each with its whole message; lines added as 3, 1,
// 2 come back as 1, 2, 3; Cancel in the insert question adds nothing.
TEST_F(LineListDialogTest, AddLineRefusalsAndLineOrder) {
    ASSERT_TRUE(EditProfile([&](LineListDialog* d) {
        for (int number : {3, 1, 2}) {
            Type(d, "lineNumber", QString::number(number));
            Type(d, "materialNumber", "7");
            AddPoint(d, 0, number);
            AddPoint(d, 10, number);
            Press(d, "addLine");
        }
        Type(d, "lineNumber", "0");
        Press(d, "addLine");
        Type(d, "lineNumber", "2");
        Press(d, "addLine");
        AddPoint(d, 1, 1);
        AnswerInsertQuestion("button3", nullptr);  // "Cancel"
        AddPoint(d, 1, 2);
        EXPECT_EQ(List(d, "pointList")->count(), 1);
        EXPECT_EQ(FirstCells(List(d, "lineList")), (std::vector<std::string>{"1", "2", "3"}));
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{
                  "Illegal line number - Line numbers must be greater than zero.",
                  "Profile Line number 2 already exists - Use the Change button to change data "
                  "for existing lines."}));
    ASSERT_EQ(data->ProfileLines().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(data->ProfileLines().ProfileLineAt(i)->GetNumber(), i + 1);
        EXPECT_EQ(data->ProfileLines().ProfileLineAt(i)->GetMaterialNumber(), 7);
    }
}

// Changing only the number of a loaded line and selecting another line asks whether to delete the
// old line and add the new one; the first choice does both.
TEST_F(LineListDialogTest, RenumberedLineAsksBeforeAnotherLineIsSelected) {
    AddProfileLine(data, 1, 1, {{0, 0}, {10, 0}});
    AddProfileLine(data, 2, 2, {{0, -5}, {10, -5}});
    std::vector<std::string> texts;
    ASSERT_TRUE(EditProfile([&](LineListDialog* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("lineNumber")->text(), "1");
        Type(d, "lineNumber", "5");
        WhenModalOf<dialogs::CmThreeChoiceDialog>([&](dialogs::CmThreeChoiceDialog* q) {
            texts.push_back(q->findChild<QLabel*>("message")->text().toStdString());
            for (const char* b : {"button1", "button2", "button3"})
                texts.push_back(q->findChild<QPushButton*>(b)->text().toStdString());
            Press(q, "button1");
        });
        List(d, "lineList")->SetCurSel(1);
        EXPECT_EQ(FirstCells(List(d, "lineList")), (std::vector<std::string>{"2", "5"}));
        EXPECT_EQ(d->findChild<QLineEdit*>("lineNumber")->text(), "2");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "You have changed the data that were originally for line number 1 to "
                         "data for line number 5, which does not currently exist.  What do yout "
                         "want to do?",
                         "Delete line 1; Add line 5", "Keep line 1 as is; Add line 5",
                         "Do not change line 1; Do not add line 5"}));
    ASSERT_EQ(data->ProfileLines().Count(), 2);
    EXPECT_EQ(data->ProfileLines().ProfileLineAt(0)->GetNumber(), 2);
    EXPECT_EQ(data->ProfileLines().ProfileLineAt(1)->GetNumber(), 5);
    EXPECT_EQ(PointsOf(data->ProfileLines().ProfileLineAt(1)), (Points{{0, 0}, {10, 0}}));
}

// An edited point at OK asks; Cancel keeps the dialog open and changes nothing, Yes saves the
// point, and the changed line is saved on Yes. Cancel of the dialog leaves the data as they were.
TEST_F(LineListDialogTest, PointQuestionAtOk) {
    AddProfileLine(data, 1, 1, {{0, 0}, {10, 0}});
    EXPECT_FALSE(EditProfile([&](LineListDialog* d) {
        Type(d, "y", "3");
        d->reject();
    }));
    EXPECT_EQ(PointsOf(data->ProfileLines().ProfileLineAt(0)), (Points{{0, 0}, {10, 0}}));

    fakes.messageBoxes.answers = {BoxResult::Cancel, BoxResult::Yes, BoxResult::Yes};
    ASSERT_TRUE(EditProfile([&](LineListDialog* d) {
        Type(d, "y", "3");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->Lines().at(0).points.at(0).y, 0);
        testsupport::PressButton(d, QDialogButtonBox::Ok);
        EXPECT_FALSE(d->isVisible());
    }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{
                  "Data for point number 1 have been changed.  Are these changes to be saved?",
                  "Data for point number 1 have been changed.  Are these changes to be saved?",
                  "You have modified the data for line number 1.  Do you want to save the "
                  "modifications before closing dialog?"}));
    EXPECT_EQ(PointsOf(data->ProfileLines().ProfileLineAt(0)), (Points{{0, 3}, {10, 0}}));
}

// The piezometric dialog: the stage in its caption, a new line with the unit weight of water, its
// own messages, and the lines of that stage only coming back.
TEST_F(LineListDialogTest, PiezometricLinesOfAStage) {
    ASSERT_TRUE(EditPiezometric(2, [&](LineListDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Piezometric Line Data - Stage 2");
        EXPECT_EQ(d->findChild<QLineEdit*>("unitWeight")->text().toDouble(),
                  Cpp_KlivenSettings::UnitWeightOfWater());
        EXPECT_EQ(d->findChild<QLineEdit*>("description")->text(), "Piezometric Line 1");
        AddPoint(d, 0, 5);
        Press(d, "addLine");
        Type(d, "unitWeight", "0");
        AddPoint(d, 20, 4);
        Press(d, "addLine");
        Type(d, "unitWeight", "60");
        Press(d, "addLine");
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{
                  "Error: Not enough points on line - At least 2 points are required.",
                  "Error: Bad unit weight of fluid.  Zero or negative values are not allowed for "
                  "the unit weight of fluid."}));
    EXPECT_EQ(fakes.messageBoxes.requests.at(0).caption, "Piezometric Line Error");
    EXPECT_EQ(data->PiezometricLines(1)->Count(), 0);
    ASSERT_EQ(data->PiezometricLines(2)->Count(), 1);
    const Cpp_PiezometricLine* line = data->PiezometricLines(2)->PiezometricLineAt(0);
    EXPECT_EQ(line->UnitWeight(), 60);
    EXPECT_EQ(line->Description(), "Piezometric Line 1");
    EXPECT_EQ(PointsOf(line), (Points{{0, 5}, {20, 4}}));
}

// Two profile lines of 3 and 4 points give 7 rows numbered 1 to 3 and 1 to 4; showing the window
// again adds no rows; picking the first row announces it and reports its point.
TEST_F(LineListDialogTest, ProfileDataWindowListsEveryPointOnce) {
    AddProfileLine(data, 1, 1, {{0, 0}, {5, 1}, {10, 0}});
    AddProfileLine(data, 2, 2, {{0, -5}, {3, -4}, {6, -5}, {10, -5}});
    dialogs::CmProfileData window;
    window.SetSource(&data->ProfileLines());
    double x = 0, y = 0;
    EXPECT_FALSE(window.GetSelectedPoint(x, y));
    window.show();
    window.hide();
    window.show();
    dialogs::CmListBox* list = window.List();
    ASSERT_EQ(list->count(), 7);
    std::vector<std::string> numbers;
    for (int i = 0; i < 7; ++i) {
        const std::string row = list->RowText(i);
        const std::size_t tab = row.find('\t');
        const std::string point = row.substr(tab + 1, row.find('\t', tab + 1) - tab - 1);
        numbers.push_back(point.substr(point.find_first_not_of(' ')));
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "1", "2", "3", "4"}));
    QSignalSpy picked(&window, &dialogs::CmProfileData::PointPicked);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(picked.count(), 1);
    ASSERT_TRUE(window.GetSelectedPoint(x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    list->SetCurSel(5);
    ASSERT_TRUE(window.GetSelectedPoint(x, y));
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, -5);
}

TEST_F(LineListDialogTest, PiezometricDataWindowReportsTheLineOfTheRow) {
    for (int number : {4, 7}) {
        Cpp_PiezometricLine* line = data->PiezometricLines(1)->CreateLine(number, 62.4, "");
        line->AddPoint(0, number);
        line->AddPoint(10, number);
    }
    dialogs::CmPiezometricData window;
    window.SetStage(1);
    window.show();
    ASSERT_EQ(window.List()->count(), 4);
    QSignalSpy picked(&window, &dialogs::CmPiezometricData::LinePicked);
    window.List()->SetCurSel(0);
    int number = 0;
    ASSERT_TRUE(window.GetSelectedLineNumber(number));
    EXPECT_EQ(number, 4);
    window.List()->SetCurSel(2);
    ASSERT_TRUE(window.GetSelectedLineNumber(number));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(picked.count(), 2);
}

// "Activate editing" shows the profile data window and the snap window, whose buttons announce
// their messages and change nothing.
TEST_F(LineListDialogTest, ActivateEditingShowsTheTwoWindows) {
    AddProfileLine(data, 1, 1, {{0, 0}, {10, 0}});
    EXPECT_FALSE(EditProfile([&](LineListDialog* d) {
        EXPECT_FALSE(d->ProfileDataWindow()->isVisible());
        QTest::mouseClick(d->findChild<QCheckBox*>("activateEditing"), Qt::LeftButton);
        EXPECT_TRUE(d->ProfileDataWindow()->isVisible());
        EXPECT_TRUE(d->EditWindow()->isVisible());
        EXPECT_EQ(d->ProfileDataWindow()->List()->count(), 2);
        QSignalSpy messages(d->EditWindow(), &dialogs::CmEditLinesAndPoints::ButtonMessage);
        for (QPushButton* b : d->EditWindow()->findChildren<QPushButton*>())
            QTest::mouseClick(b, Qt::LeftButton);
        ASSERT_EQ(messages.count(), 7);
        EXPECT_EQ(messages.at(0).at(0).toInt(), 0x486);
        EXPECT_EQ(messages.at(6).at(0).toInt(), 0x48C);
        EXPECT_EQ(d->Lines().size(), 1u);
        QTest::mouseClick(d->findChild<QCheckBox*>("activateEditing"), Qt::LeftButton);
        EXPECT_FALSE(d->ProfileDataWindow()->isVisible());
    }));
}

// The number dialog shows its number and takes the typed one on OK; a bad text is refused.
TEST(NumberToAdd, TypedNumberComesBack) {
    testsupport::FakeServices fakes;
    dialogs::CmNumberToAdd dialog;
    dialog.number = 0;
    testsupport::WhenModal([&](QWidget*) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("number")->text(), "0");
        Type(&dialog, "number", "x");
        testsupport::PressButton(&dialog, QDialogButtonBox::Ok);
        EXPECT_TRUE(dialog.isVisible());
        Type(&dialog, "number", "4");
        testsupport::PressButton(&dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.number, 4);
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Enter an integer."});
}

}  // namespace
