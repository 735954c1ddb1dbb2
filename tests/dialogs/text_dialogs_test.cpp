// The heading, summary, information and other-input-data windows, driven through their widgets
// from the commands of the running program.

#include "dialogs/text_dialogs.h"

#include "core/command_ids.h"
#include "dialogs/running_program.h"
#include "model/data_check.h"
#include "model/data_sets.h"
#include "model/writer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <string>
#include <vector>

namespace {

using dialogs::HeadingInputDialog;
using dialogs::OtherDataInputDialog;
using dialogs::TextLinesDialog;
using testsupport::PressButton;

class TextDialogsTest : public testsupport::RunningProgram {
protected:
    Cpp_Heading& Heading() { return *Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress(); }

    static std::vector<std::string> ListedLines(TextLinesDialog* d) {
        std::vector<std::string> lines;
        for (int i = 0; i < d->List()->count(); ++i)
            lines.push_back(d->List()->item(i)->text().toStdString());
        return lines;
    }
};

// Three typed lines give three heading lines (the heading button and the menu command open the
// same window), OK marks the document modified; Escape and an emptied text behave as they say.
TEST_F(TextDialogsTest, HeadingLinesAndLabelComeBackOnOk) {
    Heading().SetFromEditedText("Old first\r\nOld second", "Old label");
    Frame().Doc().SetModifiedFlag(false);
    ASSERT_TRUE(CommandOpens<HeadingInputDialog>(ID_ENTER_PROBLEM_HEADING, [](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Problem Heading and Label Input");
        EXPECT_EQ(d->HeadingEdit()->toPlainText(), "Old first\nOld second");
        EXPECT_EQ(d->LabelEdit()->text(), "Old label");
        d->HeadingEdit()->clear();
        QTest::keyClicks(d->HeadingEdit(), "Slope A");
        QTest::keyClick(d->HeadingEdit(), Qt::Key_Return);
        QTest::keyClicks(d->HeadingEdit(), "Section 2");
        QTest::keyClick(d->HeadingEdit(), Qt::Key_Return);
        QTest::keyClicks(d->HeadingEdit(), "Design case");
        testsupport::Retype(d->LabelEdit(), "Case 1");
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(Heading().Lines(), (std::vector<std::string>{"Slope A", "Section 2", "Design case"}));
    EXPECT_EQ(Heading().Label(), "Case 1");
    EXPECT_TRUE(Frame().Doc().IsModified());

    Frame().Doc().SetModifiedFlag(false);
    ASSERT_TRUE(CommandOpens<HeadingInputDialog>(ID_HEADING, [](auto* d) {
        d->HeadingEdit()->clear();
        QTest::keyClick(d->LabelEdit(), Qt::Key_Escape);
    }));
    EXPECT_EQ(Heading().NumberOfLines(), 3);
    EXPECT_FALSE(Frame().Doc().IsModified());

    ASSERT_TRUE(CommandOpens<HeadingInputDialog>(ID_HEADING, [](auto* d) {
        d->HeadingEdit()->clear();
        d->LabelEdit()->clear();
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(Heading().NumberOfLines(), 0);
    EXPECT_EQ(Heading().Label(), "");
    EXPECT_EQ(Fakes().statusLine.text, "");
}

// A heading line longer than a file keeps is refused with its number and length; the window
// stays open and the heading keeps its lines until the line is shortened.
TEST_F(TextDialogsTest, TooLongHeadingLineIsRefusedAndNothingIsLost) {
    Heading().SetFromEditedText("Kept", "");
    ASSERT_TRUE(CommandOpens<HeadingInputDialog>(ID_HEADING, [&](auto* d) {
        d->HeadingEdit()->setPlainText(QString("First\n\n") + QString(81, 'x'));
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
        EXPECT_EQ(Fakes().messageBoxes.requests[0].caption, "ERROR");
        EXPECT_EQ(Fakes().messageBoxes.requests[0].text,
                  "Heading line 2 has 81 characters; a heading line holds at most 78 "
                  "characters.");
        EXPECT_EQ(Heading().Lines(), std::vector<std::string>{"Kept"});
        d->HeadingEdit()->setPlainText(QString("First\n\n") + QString(78, 'x'));
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(Heading().Lines(), (std::vector<std::string>{"First", std::string(78, 'x')}));
}

// "Summary" lists the data set's summary lines, OK only; the information window the lines it is
// given, however many.
TEST_F(TextDialogsTest, SummaryAndInformationListTheirLines) {
    Heading().SetFromEditedText("One\r\nTwo", "");
    const std::vector<std::string> expected = SummaryLines(*Cpp_Kliven4Data::CurrentDataSet());
    ASSERT_EQ(expected.at(0), "Number of lines in problem heading: 2");
    ASSERT_TRUE(CommandOpens<TextLinesDialog>(ID_SUMMARY, [&](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Summary of Data");
        EXPECT_EQ(ListedLines(d), expected);
        auto* buttons = d->template findChild<QDialogButtonBox*>();
        EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Ok);
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_FALSE(Frame().Doc().IsModified());

    std::vector<std::string> many;
    for (int i = 1; i <= 150; ++i) many.push_back("Line " + std::to_string(i));
    bool reached = false;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* d = qobject_cast<TextLinesDialog*>(modal);
        ASSERT_NE(d, nullptr);
        reached = true;
        EXPECT_EQ(d->windowTitle(), "Information on Selected Item");
        EXPECT_EQ(ListedLines(d), many);
        PressButton(d, QDialogButtonBox::Ok);
    });
    TextLineDialogsSlot().Get().ShowInformation(many);
    EXPECT_TRUE(reached);
}

// Unticking "Create Graphics Exchange File for Vistrel" drops the graphics line from the next
// computation input; Cancel keeps the flag.
TEST_F(TextDialogsTest, OtherInputDataSwitchesTheGraphicsLine) {
    auto written = [] {
        testsupport::TempDir dir;
        const auto path = dir.Path() / "case.dat";
        EXPECT_TRUE(WriteInputFileTo(*Cpp_Kliven4Data::CurrentDataSet(), false, path));
        return testsupport::ReadFile(path);
    };
    ASSERT_NE(written().find("GRAphics output file\n"), std::string::npos);
    ASSERT_TRUE(CommandOpens<OtherDataInputDialog>(ID_OTHER_DATA, [](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Other Input Data");
        EXPECT_TRUE(d->GraphicsBox()->isChecked());
        d->GraphicsBox()->click();
        PressButton(d, QDialogButtonBox::Cancel);
    }));
    EXPECT_TRUE(Cpp_Kliven4DataSet::GraphicsOutputFlag());
    EXPECT_FALSE(Frame().Doc().IsModified());
    ASSERT_TRUE(CommandOpens<OtherDataInputDialog>(ID_OTHER_DATA, [](auto* d) {
        d->GraphicsBox()->click();
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_FALSE(Cpp_Kliven4DataSet::GraphicsOutputFlag());
    EXPECT_TRUE(Frame().Doc().IsModified());
    EXPECT_EQ(written().find("GRAphics"), std::string::npos);
}

}  // namespace
