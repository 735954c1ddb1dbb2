#include "dialogs/settings_sheet.h"

#include "core/file_io.h"
#include "dialogs/field_text.h"
#include "platform/qt/qt_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace dialogs {

using platform::qt::ToQString;
using platform::qt::ToStdString;

namespace {

constexpr int kNumberEditWidth = 80;

QLineEdit* NumberEdit(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setFixedWidth(kNumberEditWidth);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// A folder shown as a sunken text the user changes only through "Set...".
QLabel* FolderText(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(320);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

SettingsSheetDialog::SettingsSheetDialog(const s_SettingsSheetData& data, QWidget* parent)
    : QDialog(parent), data_(data) {
    setObjectName("settingsSheet");
    setWindowTitle("KLIVEN4 PreProcessor Settings");
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(MakeDecimalsPage(), "Decimals");
    pages_->addTab(MakeValuesPage(), "Values");
    pages_->addTab(MakeMiscellaneousPage(), "Miscellaneous");
    layout->addWidget(pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ApplyProgramsRule();
}

QLineEdit* SettingsSheetDialog::AddDecimals(const std::string& key, int& value) {
    QLineEdit* edit = NumberEdit(IntegerText(value), this);
    edit->setObjectName(ToQString(key));
    decimals_.push_back({key, &value, edit});
    return edit;
}

QLineEdit* SettingsSheetDialog::DecimalsEdit(const std::string& key) const {
    for (const DecimalsField& f : decimals_)
        if (f.key == key) return f.edit;
    return nullptr;
}

QWidget* SettingsSheetDialog::MakeDecimalsPage() {
    s_KlivenSettingsValues& v = data_.values;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    struct Group {
        const char* title;
        const char* keyStem;
        s_PerUnitSystem<int>* values;
    } groups[] = {
        {"Default number of decimal places for coordinates", "Coordinates", &v.coordinateDecimals},
        {"Default number of decimal places for lengths", "Lengths", &v.lengthDecimals},
        {"Default number of decimal places for forces", "Forces", &v.forceDecimals},
        {"Default number of decimal places for stresses", "Stresses", &v.stressDecimals},
        {"Default number of decimal places for unit weights", "Unit Weights",
         &v.unitWeightDecimals},
    };
    for (const Group& g : groups) {
        auto* box = new QGroupBox(g.title, page);
        auto* row = new QHBoxLayout(box);
        const std::string stem = g.keyStem;
        const std::pair<const char*, int*> systems[] = {
            {"English:", &g.values->english}, {"SI:", &g.values->si}, {"Other:", &g.values->other}};
        const char* keys[] = {" English", " SI", " Other"};
        for (int i = 0; i < 3; ++i) {
            auto* label = new QLabel(systems[i].first, box);
            QLineEdit* edit = AddDecimals(stem + keys[i], *systems[i].second);
            label->setBuddy(edit);
            row->addWidget(label);
            row->addWidget(edit);
            row->addSpacing(12);
        }
        row->addStretch();
        layout->addWidget(box);
    }
    auto* singles = new QGridLayout;
    const std::pair<const char*, std::pair<const char*, int*>> others[] = {
        {"Default number of decimal places for angles:", {"Angles", &v.angleDecimals}},
        {"Default number of decimal places for c/p ratios:", {"c/p Ratios", &v.cpRatioDecimals}},
        {"Default number of decimal places for factor of safety:",
         {"Factors of Safety", &v.factorOfSafetyDecimals}},
        {"Default number of decimal places for r-sub-u:", {"r-sub-u Values", &v.rSubUDecimals}},
    };
    int r = 0;
    for (const auto& [text, field] : others) {
        auto* label = new QLabel(text, page);
        QLineEdit* edit = AddDecimals(field.first, *field.second);
        label->setBuddy(edit);
        singles->addWidget(label, r, 0);
        singles->addWidget(edit, r, 1);
        ++r;
    }
    singles->setColumnStretch(2, 1);
    layout->addLayout(singles);
    layout->addStretch();
    return page;
}

QWidget* SettingsSheetDialog::MakeValuesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox("Default unit weight of fluid", page);
    auto* grid = new QGridLayout(box);
    const s_PerUnitSystem<double>& w = data_.values.unitWeightOfWater;
    const std::pair<const char*, double> rows[] = {
        {"English:", w.english}, {"SI:", w.si}, {"Other:", w.other}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(rows[i].first, box);
        water_[i] = NumberEdit(NumberText(rows[i].second), box);
        water_[i]->setFixedWidth(140);
        label->setBuddy(water_[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(water_[i], i, 1);
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* SettingsSheetDialog::MakeMiscellaneousPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* dataBox = new QGroupBox("Default directory for input data files", page);
    auto* dataRow = new QHBoxLayout(dataBox);
    dataFolder_ = FolderText(data_.values.defaultDirectory, dataBox);
    setDataFolder_ = new QPushButton("Set...", dataBox);
    setDataFolder_->setAutoDefault(false);
    dataRow->addWidget(dataFolder_, 1);
    dataRow->addWidget(setDataFolder_);
    layout->addWidget(dataBox);

    savePermanent_ = new QCheckBox("Save settings as permanent Application Settings", page);
    savePermanent_->setChecked(data_.savePermanent);
    layout->addWidget(savePermanent_);

    auto* printBox = new QGroupBox("Printing", page);
    auto* printRow = new QVBoxLayout(printBox);
    showFullPath_ = new QCheckBox(
        "Show full path for file name on output (e.g. C:\\KLIVEN4\\Data\\Slope1.dat)", printBox);
    showFullPath_->setChecked(data_.values.showPathOnPrintedOutput);
    printRow->addWidget(showFullPath_);
    layout->addWidget(printBox);

    promptMultiStage_ = new QCheckBox(
        "Prompt when multi-stage data exist, but single stage analyses stipulated", page);
    promptMultiStage_->setChecked(data_.showWarnings);
    layout->addWidget(promptMultiStage_);

    auto* programsBox = new QGroupBox("Location of KLIVEN and Vistrel applications", page);
    auto* programsLayout = new QVBoxLayout(programsBox);
    auto* programsRow = new QHBoxLayout;
    programsFolder_ = FolderText(data_.values.programsDirectory, programsBox);
    setProgramsFolder_ = new QPushButton("Set...", programsBox);
    setProgramsFolder_->setAutoDefault(false);
    programsRow->addWidget(programsFolder_, 1);
    programsRow->addWidget(setProgramsFolder_);
    programsLayout->addLayout(programsRow);
    locateAtRuntime_ =
        new QCheckBox("Locate KLIVEN and Vistrel applications at runtime", programsBox);
    locateAtRuntime_->setChecked(data_.values.locatePrograms);
    programsLayout->addWidget(locateAtRuntime_);
    layout->addWidget(programsBox);
    layout->addStretch();

    connect(locateAtRuntime_, &QCheckBox::toggled, this, [this] { ApplyProgramsRule(); });
    connect(setDataFolder_, &QPushButton::clicked, this,
            [this] { BrowseInto(dataFolder_, "Select default directory for data files."); });
    connect(setProgramsFolder_, &QPushButton::clicked, this, [this] {
        BrowseInto(programsFolder_, "Select default directory for KLIVEN and Vistrel executables.");
    });
    return page;
}

void SettingsSheetDialog::ApplyProgramsRule() {
    const bool enabled = !locateAtRuntime_->isChecked();
    programsFolder_->setEnabled(enabled);
    setProgramsFolder_->setEnabled(enabled);
}

void SettingsSheetDialog::BrowseInto(QLabel* label, const char* title) {
    std::filesystem::path chosen;
    if (Cpp_FileIO::BrowseForFolder(nullptr, title, chosen))
        label->setText(ToQString(chosen.string()));
}

void SettingsSheetDialog::accept() {
    // Every field is read before anything is stored, so a refused value leaves the copy whole.
    std::vector<int> decimals;
    for (const DecimalsField& f : decimals_) {
        auto value = ReadInteger(f.edit);
        if (!value) return;
        decimals.push_back(*value);
    }
    double water[3];
    for (int i = 0; i < 3; ++i) {
        auto value = ReadNumber(water_[i]);
        if (!value) return;
        water[i] = *value;
    }
    for (std::size_t i = 0; i < decimals_.size(); ++i) *decimals_[i].value = decimals[i];
    data_.values.unitWeightOfWater = {water[0], water[1], water[2]};
    data_.values.defaultDirectory = ToStdString(dataFolder_->text());
    data_.values.programsDirectory = ToStdString(programsFolder_->text());
    data_.values.showPathOnPrintedOutput = showFullPath_->isChecked();
    data_.values.locatePrograms = locateAtRuntime_->isChecked();
    data_.showWarnings = promptMultiStage_->isChecked();
    data_.savePermanent = savePermanent_->isChecked();
    QDialog::accept();
}

bool QtSettingsSheet::Run(s_SettingsSheetData& data) {
    SettingsSheetDialog dialog(data, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    data = dialog.Data();
    return true;
}

}  // namespace dialogs
