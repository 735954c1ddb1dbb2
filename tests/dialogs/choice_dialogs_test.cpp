// The choice and notice dialogs driven through their buttons, the insert question as the
// point lists ask it, and the multi-stage warning as the writer asks it.

#include "core/preferences.h"
#include "dialogs/choice_dialogs.h"
#include "model/writer.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

QPushButton* Button(QWidget* d, const char* name) { return d->findChild<QPushButton*>(name); }
QString Message(QWidget* d, const char* name = "message") {
    return d->findChild<QLabel*>(name)->text();
}

// Runs the action on the next modal dialog and fails when none came up.
struct Driver {
    explicit Driver(std::function<void(QWidget*)> action) {
        testsupport::WhenModal([this, action](QWidget* modal) {
            reached = true;
            action(modal);
        });
    }
    ~Driver() { EXPECT_TRUE(reached); }
    bool reached = false;
};

void Press(QWidget* d, const char* name) { QTest::mouseClick(Button(d, name), Qt::LeftButton); }
void Escape(QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }

// Each way out of the insert question: "Before" and "After" insert, Escape inserts after,
// "Cancel" does not insert. The message follows the flag; "After" is the default with the focus.
TEST(AskInsertBeforeOrAfter, EachAnswerAndItsMessage) {
    struct Case {
        bool sameXAndY;
        std::function<void(QWidget*)> answer;
        bool inserts;
        bool before;
        const char* message;
    };
    const char* sameXY =
        "Two points have the same X and Y; Insert new point before or after existing point?";
    const char* sameX = "Two points have the same X; Insert new point before or after existing "
                        "point?";
    const Case cases[] = {
        {true, [](QWidget* d) { Press(d, "button1"); }, true, true, sameXY},
        {false, [](QWidget* d) { Press(d, "button2"); }, true, false, sameX},
        {false, Escape, true, false, sameX},
        {true, [](QWidget* d) { Press(d, "button3"); }, false, true, sameXY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        bool before = true;
        bool inserts = false;
        {
            Driver driver([&](QWidget* d) {
                EXPECT_EQ(d->windowTitle(), "Notice");
                EXPECT_EQ(Message(d), c.message);
                EXPECT_EQ(Button(d, "button1")->text(), "Before");
                EXPECT_EQ(Button(d, "button2")->text(), "After");
                EXPECT_EQ(Button(d, "button3")->text(), "Cancel");
                EXPECT_TRUE(Button(d, "button2")->isDefault());
                EXPECT_FALSE(Button(d, "button1")->isDefault());
                EXPECT_EQ(d->focusWidget(), Button(d, "button2"));
                c.answer(d);
            });
            inserts = dialogs::AskInsertBeforeOrAfter(before, c.sameXAndY);
        }
        EXPECT_EQ(inserts, c.inserts);
        EXPECT_EQ(before, c.before);
    }
}

// The two- and three-button dialogs answer the number of the pressed button and 2 for Escape;
// a default id outside the dialog's own buttons makes none of them the default.
TEST(ChoiceDialogs, ButtonsAnswerTheirNumbers) {
    struct Case {
        const char* press;  // nullptr: Escape
        int expected;
    };
    const Case cases[] = {{"button1", 1}, {"button2", 2}, {"button3", 3}, {nullptr, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.press ? c.press : "Escape");
        dialogs::CmThreeButtonDialog three;
        three.MessageText = "Three?";
        three.Button1Text = "One";
        three.Button2Text = "Two";
        three.Button3Text = "Three";
        three.DefaultButtonId = dialogs::CmThreeChoiceDialog::kButton1Id;
        {
            Driver driver([&](QWidget* d) {
                EXPECT_EQ(Message(d), "Three?");
                EXPECT_EQ(Button(d, "button3")->text(), "Three");
                for (const char* b : {"button1", "button2", "button3"})
                    EXPECT_FALSE(Button(d, b)->isDefault()) << b;
                c.press ? Press(d, c.press) : Escape(d);
            });
            EXPECT_EQ(three.DoModal(), c.expected);
        }
        if (c.press && std::string(c.press) == "button3") continue;
        dialogs::CmTwoButtonDialog two;
        two.MessageText = "Vertical spacing?";
        two.Button1Text = "4 Nails";
        two.Button2Text = "5 Nails";
        Driver driver([&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), "Notice");
            EXPECT_EQ(Message(d), "Vertical spacing?");
            EXPECT_EQ(Button(d, "button1")->text(), "4 Nails");
            EXPECT_EQ(Button(d, "button2")->text(), "5 Nails");
            c.press ? Press(d, c.press) : Escape(d);
        });
        EXPECT_EQ(two.DoModal(), c.expected);
    }
}

// Three captions of very different lengths give three buttons of one width: the longest text
// plus 30 pixels; the named default button is the default.
TEST(ChoiceDialogs, ThreeChoiceButtonsTakeTheLongestTextPlus30) {
    dialogs::CmThreeChoiceDialog dialog;
    dialog.MessageText = "You have modified the data.";
    dialog.Button1Text = "Delete line 3; Add line 4";
    dialog.Button2Text = "Keep";
    dialog.Button3Text = "Ignore these modifications - do not save them";
    dialog.DefaultButtonId = dialogs::CmThreeChoiceDialog::kButton3Id;
    Driver driver([&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Dialog");
        QPushButton* longest = Button(d, "button3");
        const int expected = longest->fontMetrics().horizontalAdvance(dialog.Button3Text) + 30;
        for (const char* b : {"button1", "button2", "button3"})
            EXPECT_EQ(Button(d, b)->width(), expected) << b;
        EXPECT_TRUE(longest->isDefault());
        QTest::keyClick(d, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.DoModal(), 3);
}

// The writer's question through the registered window: the two texts and the check box are
// shown; ticked with "Yes" the question is switched off, ticked with "No" it comes again.
class SaveMultistageWarningTest : public ::testing::Test {
protected:
    void SetUp() override { SaveMultistageWarningSlot().Set(&window_); }
    void TearDown() override { SaveMultistageWarningSlot().Reset(); }

    bool AskTicked(const char* answer) {
        Driver driver([answer](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), "Save Multi-Stage Data?");
            EXPECT_EQ(Message(d, "warning"), kText);
            EXPECT_EQ(Message(d, "question"), kQuestion);
            auto* box = d->findChild<QCheckBox*>("dontWarnAgain");
            EXPECT_EQ(box->text(), "Don't warn me again - save multi-stage data of they exist.");
            EXPECT_FALSE(box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            EXPECT_TRUE(box->isChecked());
            Press(d, answer);
        });
        return AskSaveMultistageData(kText, kQuestion);
    }

    static constexpr const char* kText = "Line load data exist for the second stage even though "
                                         "multi-stage computations have not been specified.";
    static constexpr const char* kQuestion =
        "Do you want to save the second stage line load data anyway?";
    testsupport::FakeServices fakes;
    dialogs::QtSaveMultistageWarning window_;
};

TEST_F(SaveMultistageWarningTest, TickedNoAsksAgainTickedYesSwitchesTheQuestionOff) {
    ASSERT_TRUE(Cpp_KlivenSettings::ShowWarnings());
    EXPECT_FALSE(AskTicked("no"));
    EXPECT_TRUE(Cpp_KlivenSettings::ShowWarnings());
    EXPECT_TRUE(AskTicked("yes"));
    ASSERT_FALSE(Cpp_KlivenSettings::ShowWarnings());
    // No window comes up any more, and the data are saved.
    EXPECT_TRUE(AskSaveMultistageData(kText, kQuestion));
}

TEST_F(SaveMultistageWarningTest, EscapeDoesNotSaveAndKeepsAsking) {
    Driver driver(Escape);
    EXPECT_FALSE(AskSaveMultistageData(kText, kQuestion));
    EXPECT_TRUE(Cpp_KlivenSettings::ShowWarnings());
}

}  // namespace
