// The base of the list-style dialogs: which button Enter presses while the caret is in an entry
// edit and after it leaves, and the text comparison the dialogs use.

#include "dialogs/input_dialog_base.h"
#include "platform/qt/modal_driver.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A dialog with one entry edit, one other edit, an Add button and OK / Cancel.
class EntryDialog final : public dialogs::CmInputDialog1 {
public:
    explicit EntryDialog(bool withDefault) {
        auto* layout = new QVBoxLayout(this);
        entry = new QLineEdit(this);
        other = new QLineEdit(this);
        add = new QPushButton("Add", this);
        add->setAutoDefault(false);
        layout->addWidget(entry);
        layout->addWidget(other);
        layout->addWidget(add);
        layout->addWidget(pointList_);
        pointList_->SetEntryEdit(entry);
        auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        for (QAbstractButton* b : box->buttons())
            static_cast<QPushButton*>(b)->setAutoDefault(false);
        if (withDefault) box->button(QDialogButtonBox::Ok)->setDefault(true);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(box);
        connect(add, &QPushButton::clicked, this, [this] { ++adds; });
        WatchEntryEdit(entry, add);
        saved = SaveDefaultButton();
    }
    QLineEdit* entry;
    QLineEdit* other;
    QPushButton* add;
    QPushButton* saved = nullptr;
    int adds = 0;
};

// The dialog opens with the caret in the entry edit; Enter there adds the row and keeps the
// dialog; once the focus has left the edit, Enter ends the dialog with OK.
TEST(InputDialogBase, EnterAddsInTheEntryEditAndEndsTheDialogElsewhere) {
    EntryDialog dialog(true);
    ASSERT_NE(dialog.saved, nullptr);
    EXPECT_EQ(dialog.saved->text(), "OK");
    bool reached = false;
    testsupport::WhenModal([&](QWidget*) {
        reached = true;
        // Focus moves only within the active window.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), dialog.entry);
        QTest::keyClick(dialog.entry, Qt::Key_Return);
        EXPECT_EQ(dialog.adds, 1);
        EXPECT_TRUE(dialog.isVisible());
        dialog.other->setFocus();
        QTest::keyClick(dialog.other, Qt::Key_Return);
        if (dialog.isVisible()) dialog.reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(reached);
    EXPECT_EQ(dialog.adds, 1);
}

// Without a default button nothing is saved, and leaving the entry edit changes nothing.
TEST(InputDialogBase, NoDefaultButtonIsSavedAsNone) {
    EntryDialog dialog(false);
    EXPECT_EQ(dialog.saved, nullptr);
    testsupport::WhenModal([&](QWidget*) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.entry->setFocus();
        EXPECT_TRUE(dialog.add->isDefault());
        dialog.other->setFocus();
        EXPECT_TRUE(dialog.add->isDefault());
        dialog.reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

TEST(InputDialogBase, IsTextChanged) {
    struct Case {
        const char* text;
        const char* value;
        bool changed;
    };
    const Case cases[] = {{"abc", "", false}, {nullptr, "abc", false}, {"abc", "abc", false},
                          {"", "", false},    {"abc", "abcd", true},   {"abce", "abcd", true},
                          {"", "abc", true}};
    for (const Case& c : cases)
        EXPECT_EQ(dialogs::CmInputDialog1::IsTextChanged(c.text, c.value), c.changed)
            << (c.text ? c.text : "null") << " / " << c.value;
}

}  // namespace
