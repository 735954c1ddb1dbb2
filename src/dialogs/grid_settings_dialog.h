#pragma once
// The snap-grid settings dialog ("Display Grid Information"): which grid parts are shown, how
// often, snapping, the spacing and the grid zeros, and whether the choice becomes the application
// default.

#include "graphics/graphic_grid.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace dialogs {

class GridSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    // The fields start from a copy of settings; unitWord labels the spacing and the zeros.
    GridSettingsDialog(const s_GridSettingsType& settings, const std::string& unitWord,
                       QWidget* parent);
    // The settings read back from the fields by the last accepted OK.
    const s_GridSettingsType& Settings() const { return settings_; }
    // Reads every field; a field that is no number keeps the dialog open with a message naming it.
    void accept() override;

    QLabel* ErrorLabel() const { return error_; }

private:
    QCheckBox* apply_ = nullptr;
    QCheckBox* lines_ = nullptr;
    QCheckBox* points_ = nullptr;
    QCheckBox* snap_ = nullptr;
    QLineEdit* linesIncrement_ = nullptr;
    QLineEdit* pointsIncrement_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    QLineEdit* horizontalZero_ = nullptr;
    QLineEdit* verticalZero_ = nullptr;
    QLabel* error_ = nullptr;
    s_GridSettingsType settings_;
};

// The window in Cpp_GraphicGrid::SettingsDialogSlot(): the fields are labelled with the length unit
// word of the current unit system; OK hands the fields back, Cancel leaves the settings untouched.
class QtGridSettings final : public Cpp_GraphicGrid::SettingsDialog {
public:
    explicit QtGridSettings(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_GridSettingsType& settings) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
