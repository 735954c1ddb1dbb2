#pragma once
// The preferences sheet "KLIVEN4 PreProcessor Settings": decimals, fluid unit weights, folders
// and switches on three pages. It edits a copy; the preferences take it back only on OK.

#include "core/preferences.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace dialogs {

class SettingsSheetDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SettingsSheetDialog(const s_SettingsSheetData& data, QWidget* parent = nullptr);

    // The edited copy (after OK).
    const s_SettingsSheetData& Data() const { return data_; }
    void accept() override;

    // The widgets, for tests and the screenshot.
    QTabWidget* Pages() const { return pages_; }
    // A decimals edit by its preference key ("Coordinates English", "Angles", ...).
    QLineEdit* DecimalsEdit(const std::string& key) const;
    // A fluid unit-weight edit: 0 English, 1 SI, 2 other.
    QLineEdit* WaterEdit(int unitSystem) const { return water_[unitSystem]; }
    QLabel* DataFolder() const { return dataFolder_; }
    QLabel* ProgramsFolder() const { return programsFolder_; }
    QPushButton* SetDataFolderButton() const { return setDataFolder_; }
    QPushButton* SetProgramsFolderButton() const { return setProgramsFolder_; }
    QCheckBox* SavePermanent() const { return savePermanent_; }
    QCheckBox* ShowFullPath() const { return showFullPath_; }
    QCheckBox* PromptMultiStage() const { return promptMultiStage_; }
    QCheckBox* LocateAtRuntime() const { return locateAtRuntime_; }

private:
    struct DecimalsField {
        std::string key;
        int* value;
        QLineEdit* edit;
    };
    QWidget* MakeDecimalsPage();
    QWidget* MakeValuesPage();
    QWidget* MakeMiscellaneousPage();
    QLineEdit* AddDecimals(const std::string& key, int& value);
    void ApplyProgramsRule();
    void BrowseInto(QLabel* label, const char* title);

    s_SettingsSheetData data_;
    QTabWidget* pages_ = nullptr;
    std::vector<DecimalsField> decimals_;
    QLineEdit* water_[3] = {};
    QLabel* dataFolder_ = nullptr;
    QLabel* programsFolder_ = nullptr;
    QPushButton* setDataFolder_ = nullptr;
    QPushButton* setProgramsFolder_ = nullptr;
    QCheckBox* savePermanent_ = nullptr;
    QCheckBox* showFullPath_ = nullptr;
    QCheckBox* promptMultiStage_ = nullptr;
    QCheckBox* locateAtRuntime_ = nullptr;
};

// The window registered in Cpp_KlivenSettings::SettingsSheetSlot().
class QtSettingsSheet final : public SettingsSheet {
public:
    explicit QtSettingsSheet(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_SettingsSheetData& data) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
