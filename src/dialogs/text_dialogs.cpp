#include "dialogs/text_dialogs.h"

#include "core/format_text.h"
#include "dialogs/dialog_messages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace dialogs {

namespace {

QDialogButtonBox* Buttons(QDialog* dialog, QDialogButtonBox::StandardButtons which) {
    auto* buttons = new QDialogButtonBox(which, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// The edit shows "\n" where the heading joins its lines with "\r\n".
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

HeadingInputDialog::HeadingInputDialog(const std::string& text, const std::string& label,
                                       QWidget* parent)
    : QDialog(parent), text_(WithLineFeeds(text)), label_(label), dx_(this) {
    setObjectName("headingInputDialog");
    setWindowTitle("Problem Heading and Label Input");
    auto* layout = new QVBoxLayout(this);
    auto* headingGroup = new QGroupBox("Problem Heading", this);
    auto* headingLayout = new QVBoxLayout(headingGroup);
    heading_ = new QPlainTextEdit(headingGroup);
    heading_->setObjectName("heading");
    heading_->setTabChangesFocus(true);
    heading_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed("Courier");
    fixed.setStyleHint(QFont::TypeWriter);
    heading_->setFont(fixed);
    heading_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(80, 'M')));
    headingLayout->addWidget(heading_);
    layout->addWidget(headingGroup);
    auto* labelGroup = new QGroupBox("Label (for Vistrel Menu)", this);
    auto* labelLayout = new QVBoxLayout(labelGroup);
    labelEdit_ = new QLineEdit(labelGroup);
    labelEdit_->setObjectName("label");
    labelEdit_->setMaxLength(static_cast<int>(Cpp_Heading::kMaxLineLength));
    labelLayout->addWidget(labelEdit_);
    layout->addWidget(labelGroup);
    layout->addWidget(Buttons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    dx_.Text(heading_, text_);
    dx_.Text(labelEdit_, label_);
    dx_.ToWidgets();
}

void HeadingInputDialog::accept() {
    size_t length = 0;
    const int line = Cpp_Heading::FirstLineTooLong(heading_->toPlainText().toStdString(), length);
    if (line > 0) {
        ShowDialogError(this, "ERROR",
                        FormatText("Heading line %d has %zu characters; a heading line holds "
                                   "at most %zu characters.",
                                   line, length, Cpp_Heading::kMaxLineLength));
        heading_->setFocus();
        return;
    }
    if (!dx_.FromWidgets()) return;
    QDialog::accept();
}

TextLinesDialog::TextLinesDialog(const QString& caption, const std::vector<std::string>& lines,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName("textLinesDialog");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName("lines");
    for (const std::string& line : lines) list_->addItem(QString::fromStdString(line));
    int width = 0;
    for (int i = 0; i < list_->count(); ++i)
        width = std::max(width, list_->fontMetrics().horizontalAdvance(list_->item(i)->text()));
    list_->setMinimumWidth(std::min(width + 40, 1000));
    layout->addWidget(list_);
    layout->addWidget(Buttons(this, QDialogButtonBox::Ok));
}

OtherDataInputDialog::OtherDataInputDialog(bool createGraphicsFile, QWidget* parent)
    : QDialog(parent), create_(createGraphicsFile), dx_(this) {
    setObjectName("otherDataInputDialog");
    setWindowTitle("Other Input Data");
    auto* layout = new QVBoxLayout(this);
    box_ = new QCheckBox("Create Graphics Exchange File for Vistrel", this);
    box_->setObjectName("createGraphicsFile");
    layout->addWidget(box_);
    layout->addWidget(Buttons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    dx_.Check(box_, create_);
    dx_.ToWidgets();
}

void OtherDataInputDialog::accept() {
    if (!dx_.FromWidgets()) return;
    QDialog::accept();
}

bool QtHeadingDialog::Run(std::string& text, std::string& label) {
    HeadingInputDialog dialog(text, label, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    text = dialog.Text();
    label = dialog.Label();
    return true;
}

void QtTextLineDialogs::ShowSummary(const std::vector<std::string>& lines) {
    TextLinesDialog dialog("Summary of Data", lines, owner_);
    dialog.setObjectName("summaryDialog");
    dialog.exec();
}

void QtTextLineDialogs::ShowInformation(const std::vector<std::string>& lines) {
    TextLinesDialog dialog("Information on Selected Item", lines, owner_);
    dialog.setObjectName("informationDialog");
    dialog.exec();
}

bool QtOtherDataDialog::Run(bool& createGraphicsFile) {
    OtherDataInputDialog dialog(createGraphicsFile, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    createGraphicsFile = dialog.CreateGraphicsFile();
    return true;
}

}  // namespace dialogs
