#pragma once
// Small dialogs of plain text: "Problem Heading and Label Input", the OK-only line lists
// "Summary of Data" and "Information on Selected Item", and "Other Input Data".

#include "core/text_line_dialogs.h"
#include "dialogs/data_exchange.h"
#include "model/data_set.h"
#include "model/heading.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace dialogs {

// The heading lines as one multi-line text and the label. OK refuses a heading line longer than
// a heading line holds (the dialog stays open, nothing is cut).
class HeadingInputDialog final : public QDialog {
    Q_OBJECT
public:
    HeadingInputDialog(const std::string& text, const std::string& label, QWidget* parent);
    const std::string& Text() const { return text_; }
    const std::string& Label() const { return label_; }
    QPlainTextEdit* HeadingEdit() const { return heading_; }
    QLineEdit* LabelEdit() const { return labelEdit_; }
    void accept() override;

private:
    QPlainTextEdit* heading_ = nullptr;
    QLineEdit* labelEdit_ = nullptr;
    std::string text_;
    std::string label_;
    DataExchange dx_;
};

// An OK-only list of text lines under a caption.
class TextLinesDialog final : public QDialog {
    Q_OBJECT
public:
    TextLinesDialog(const QString& caption, const std::vector<std::string>& lines, QWidget* parent);
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_ = nullptr;
};

// "Create Graphics Exchange File for Vistrel".
class OtherDataInputDialog final : public QDialog {
    Q_OBJECT
public:
    OtherDataInputDialog(bool createGraphicsFile, QWidget* parent);
    bool CreateGraphicsFile() const { return create_; }
    QCheckBox* GraphicsBox() const { return box_; }
    void accept() override;

private:
    QCheckBox* box_ = nullptr;
    bool create_ = false;
    DataExchange dx_;
};

// The windows in HeadingDialogSlot(), TextLineDialogsSlot() and OtherDataDialogSlot().
class QtHeadingDialog final : public Cpp_HeadingDialog {
public:
    explicit QtHeadingDialog(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(std::string& text, std::string& label) override;

private:
    QWidget* owner_;
};

class QtTextLineDialogs final : public Cpp_TextLineDialogs {
public:
    explicit QtTextLineDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowSummary(const std::vector<std::string>& lines) override;
    void ShowInformation(const std::vector<std::string>& lines) override;

private:
    QWidget* owner_;
};

class QtOtherDataDialog final : public Cpp_OtherDataDialog {
public:
    explicit QtOtherDataDialog(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(bool& createGraphicsFile) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
