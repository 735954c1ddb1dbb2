// The dialogs' data exchange: values shown on opening, read back in binding order, and a refused
// field that stops the transfer with its message.

#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Record {
    double height = 12.5;
    int count = 7;
    std::string name = "Clay";
    std::string notes = "line 1\nline 2";
    bool snap = true;
    int option = 1;
    int range = 1;
    double after = 3;
};

// A dialog with one control of each kind; the integer field sits on a second tab page.
class ExchangeDialog : public QDialog {
public:
    explicit ExchangeDialog(Record& r) : dx(this) {
        auto* layout = new QVBoxLayout(this);
        auto* tabs = new QTabWidget;
        auto* first = new QWidget;
        auto* second = new QWidget;
        auto* firstLayout = new QVBoxLayout(first);
        auto* secondLayout = new QVBoxLayout(second);
        tabs->addTab(first, "First");
        tabs->addTab(second, "Second");
        layout->addWidget(tabs);
        firstLayout->addWidget(height = new QLineEdit);
        secondLayout->addWidget(count = new QLineEdit);
        firstLayout->addWidget(name = new QLineEdit);
        firstLayout->addWidget(notes = new QPlainTextEdit);
        firstLayout->addWidget(snap = new QCheckBox("Snap"));
        firstLayout->addWidget(option = new QComboBox);
        option->addItems({"A", "B", "C"});
        firstLayout->addWidget(xRange = new QRadioButton("X range"));
        firstLayout->addWidget(yRange = new QRadioButton("Y range"));
        firstLayout->addWidget(after = new QLineEdit);
        dx.Number(height, r.height);
        dx.Integer(count, r.count);
        dx.Text(name, r.name);
        dx.Text(notes, r.notes);
        dx.Check(snap, r.snap);
        dx.Choice(option, r.option);
        dx.Radio({xRange, yRange}, r.range);
        dx.Number(after, r.after);
        tabsWidget = tabs;
    }
    dialogs::DataExchange dx;
    QTabWidget* tabsWidget;
    QLineEdit* height;
    QLineEdit* count;
    QLineEdit* name;
    QPlainTextEdit* notes;
    QCheckBox* snap;
    QComboBox* option;
    QRadioButton* xRange;
    QRadioButton* yRange;
    QLineEdit* after;
};

TEST(DataExchange, ShowsTheMembersAndReadsThemBack) {
    testsupport::FakeServices fakes;
    Record r;
    r.height = 1.0 / 3.0;
    ExchangeDialog d(r);
    d.dx.ToWidgets();
    EXPECT_EQ(d.height->text(), "0.333333333333333");
    EXPECT_EQ(d.count->text(), "7");
    EXPECT_EQ(d.name->text(), "Clay");
    EXPECT_EQ(d.notes->toPlainText(), "line 1\nline 2");
    EXPECT_TRUE(d.snap->isChecked());
    EXPECT_EQ(d.option->currentIndex(), 1);
    EXPECT_TRUE(d.yRange->isChecked());
    EXPECT_FALSE(d.xRange->isChecked());

    d.height->setText(" -2.5e1 ");
    d.count->setText("+12");
    d.name->setText("Sand");
    d.notes->setPlainText("one");
    d.snap->setChecked(false);
    d.option->setCurrentIndex(2);
    d.xRange->setChecked(true);
    d.after->setText("4");
    ASSERT_TRUE(d.dx.FromWidgets());
    EXPECT_EQ(r.height, -25.0);
    EXPECT_EQ(r.count, 12);
    EXPECT_EQ(r.name, "Sand");
    EXPECT_EQ(r.notes, "one");
    EXPECT_FALSE(r.snap);
    EXPECT_EQ(r.option, 2);
    EXPECT_EQ(r.range, 0);
    EXPECT_EQ(r.after, 4.0);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

TEST(DataExchange, NothingChosenReadsMinusOne) {
    testsupport::FakeServices fakes;
    Record r;
    r.option = -1;
    r.range = -1;
    ExchangeDialog d(r);
    d.dx.ToWidgets();
    EXPECT_EQ(d.option->currentIndex(), -1);
    EXPECT_FALSE(d.xRange->isChecked() || d.yRange->isChecked());
    r.option = 5;  // out of the list: shown as no choice
    r.range = 0;
    d.dx.ToWidgets();
    EXPECT_EQ(d.option->currentIndex(), -1);
    ASSERT_TRUE(d.dx.FromWidgets());
    EXPECT_EQ(r.option, -1);
    EXPECT_EQ(r.range, 0);
}

// A refused field stops the transfer: the fields bound before it are read, it and the later ones
// keep their values, and its page comes to the front with the message.
TEST(DataExchange, TheFirstRefusedFieldStopsTheTransfer) {
    struct Case {
        const char* height;
        const char* count;
        const char* message;
        double heightAfter;
    };
    const Case cases[] = {
        {"abc", "9", "Enter a number.", 12.5},
        {"1e999", "9", "Enter a number.", 12.5},
        {"", "9", "Enter a number.", 12.5},
        {"2", "9.5", "Enter an integer.", 2.0},
        {"2", "99999999999", "Enter an integer.", 2.0},
        {"2", "", "Enter an integer.", 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.height) + " / " + c.count);
        testsupport::FakeServices fakes;
        Record r;
        ExchangeDialog d(r);
        d.dx.ToWidgets();
        d.height->setText(c.height);
        d.count->setText(c.count);
        d.name->setText("Changed");
        EXPECT_FALSE(d.dx.FromWidgets());
        EXPECT_EQ(r.height, c.heightAfter);
        EXPECT_EQ(r.count, 7);
        EXPECT_EQ(r.name, "Clay");
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text, c.message);
        const bool countRefused = c.heightAfter == 2.0;
        EXPECT_EQ(d.tabsWidget->currentIndex(), countRefused ? 1 : 0);
    }
}

TEST(DialogTitle, AppendsTheStage) {
    QDialog d;
    d.setWindowTitle("Distributed Loads");
    dialogs::AppendStageToTitle(&d, 1);
    EXPECT_EQ(d.windowTitle(), "Distributed Loads - Stage 1");
    d.setWindowTitle("Interpolation Data - Pressure Values");
    dialogs::AppendStageToTitle(&d, 2);
    EXPECT_EQ(d.windowTitle(), "Interpolation Data - Pressure Values - Stage 2");
}

}  // namespace
