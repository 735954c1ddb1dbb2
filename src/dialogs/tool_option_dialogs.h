#pragma once
// The option windows of the drawing tools (core/tool_option_dialogs.h) and the "Selection
// Options" window of the arrow-key nudge (editing/selection_commands.h). Each window shows a
// copy of its record and hands it back only after OK with every field read.

#include "core/tool_option_dialogs.h"
#include "dialogs/data_exchange.h"
#include "editing/selection_commands.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace dialogs {

// The frame of every option window: a column of rows over OK and Cancel; OK reads the bound
// fields and stays open on the first that holds no number.
class ToolOptionDialog : public QDialog {
    Q_OBJECT
public:
    ToolOptionDialog(const char* name, const char* title, QWidget* parent);
    void accept() override;

protected:
    // Each control is named "c<number>".
    QLineEdit* AddNumber(int id, const char* label, double& value);
    QLineEdit* AddInteger(int id, const char* label, int& value);
    QComboBox* AddSnap(int id, const char* label, int& index);
    QCheckBox* AddCheck(int id, const char* text, bool& value);
    // After the bindings: the values into the controls.
    void Finish();

    QVBoxLayout* layout_;
    QFormLayout* form_;
    DataExchange dx_;
};

class CrackToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    CrackToolOptionsDialog(const s_CrackToolOptions& options, QWidget* parent);
    s_CrackToolOptions record;
};

class CircleSearch1ToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    CircleSearch1ToolOptionsDialog(const s_CircleSearch1ToolOptions& options, QWidget* parent);
    s_CircleSearch1ToolOptions record;
};

// With "Search along a straight line" one point count only.
class CircleSearch2ToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    CircleSearch2ToolOptionsDialog(const s_CircleSearch2ToolOptions& options, QWidget* parent);
    s_CircleSearch2ToolOptions record;

private:
    void UpdateLabels();
};

class DataEntryOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    DataEntryOptionsDialog(const s_DataEntryOptions& options, QWidget* parent);
    s_DataEntryOptions record;
};

class DistributedLoadToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    DistributedLoadToolOptionsDialog(const s_DistributedLoadToolOptions& options, QWidget* parent);
    s_DistributedLoadToolOptions record;
};

class LineLoadToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    LineLoadToolOptionsDialog(const s_LineLoadToolOptions& options, QWidget* parent);
    s_LineLoadToolOptions record;
};

class ReinforcementToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    ReinforcementToolOptionsDialog(const s_ReinforcementToolOptions& options, QWidget* parent);
    s_ReinforcementToolOptions record;
};

class NoncircularToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    NoncircularToolOptionsDialog(const s_NoncircularToolOptions& options, QWidget* parent);
    s_NoncircularToolOptions record;
};

// The nail and the geogrid windows (the geogrid one keeps the nail head's label).
class NailToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    NailToolOptionsDialog(const s_NailToolOptions& options, bool geogrid, QWidget* parent);
    s_NailToolOptions record;
};

class InterpolationToolOptionsDialog final : public ToolOptionDialog {
    Q_OBJECT
public:
    InterpolationToolOptionsDialog(const s_InterpolationToolOptions& options, QWidget* parent);
    s_InterpolationToolOptions record;

private:
    void EnableImportFields();
    void Browse();
    QCheckBox* import_ = nullptr;
    QComboBox* fileType_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
};

class SelectionOptionsWindow final : public ToolOptionDialog {
    Q_OBJECT
public:
    SelectionOptionsWindow(const s_NudgeOptions& options, QWidget* parent);
    // The units choice is kept 1-based (1 pixels, 2 world distance).
    void accept() override;
    s_NudgeOptions record;

private:
    int units_ = 0;
};

// The windows in ToolOptionDialogsSlot().
class QtToolOptionDialogs final : public ToolOptionDialogs {
public:
    explicit QtToolOptionDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool Crack(s_CrackToolOptions& o) override;
    bool CircleSearch1(s_CircleSearch1ToolOptions& o) override;
    bool CircleSearch2(s_CircleSearch2ToolOptions& o) override;
    bool DataEntry(s_DataEntryOptions& o) override;
    bool DistributedLoad(s_DistributedLoadToolOptions& o) override;
    bool LineLoad(s_LineLoadToolOptions& o) override;
    bool Reinforcement(s_ReinforcementToolOptions& o) override;
    bool Noncircular(s_NoncircularToolOptions& o) override;
    bool Nail(s_NailToolOptions& o) override;
    bool Geogrid(s_NailToolOptions& o) override;
    bool Interpolation(s_InterpolationToolOptions& o) override;

private:
    QWidget* owner_;
};

// The window in SelectionOptionsDialogSlot().
class QtSelectionOptions final : public SelectionOptionsDialog {
public:
    explicit QtSelectionOptions(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_NudgeOptions& options) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
