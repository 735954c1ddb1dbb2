#include "dialogs/interpolation_import_box.h"

#include "core/file_io.h"
#include "core/message_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <string>

namespace dialogs {

namespace {

constexpr const char* kTextFilter = "Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|";
constexpr const char* kSeep2dFilter =
    "GMS/SEEP2D Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|";

}  // namespace

bool ChooseInterpolationImportFile(QWidget* parent, int group, std::string& name) {
    std::filesystem::path chosen = "import.dat";
    if (!Cpp_FileIO::GetWindowsInputFileName(
            parent, "Choose file to import", {},
            group == s_InterpolationTable::kSeep2d ? kSeep2dFilter : kTextFilter, 1, chosen))
        return false;
    const bool fullPath = AskYesNoOnMainWindowEx("Choose File Name Format",
                                                 "Include full path as part of file name?", false);
    name = fullPath ? chosen.string() : chosen.filename().string();
    return true;
}

InterpolationImportBox::InterpolationImportBox(const s_InterpolationTable& table,
                                               const ImportBoxTexts& texts, QWidget* parent)
    : QGroupBox("Import from file", parent), texts_(texts) {
    auto* layout = new QGridLayout(this);
    const char* importTexts[] = {"Import from generic file", "Import from GMS/SEEP2D file",
                                 "Import from SEEP/W file"};
    const char* nameTexts[] = {
        "Name of generic file:", "Name of GMS/SEEP2D file:", "Name of SEEP/W file:"};
    const char* names[] = {"Generic", "Seep2d", "SeepW"};
    for (int g = 0; g < s_InterpolationTable::kGroups; ++g) {
        const auto i = static_cast<std::size_t>(g);
        Group& group = groups_[i];
        const QString suffix = names[g];
        group.import = new QCheckBox(importTexts[g], this);
        group.import->setObjectName("import" + suffix);
        group.import->setChecked(table.import[i]);
        group.label = new QLabel(nameTexts[g], this);
        group.name = new QLineEdit(QString::fromStdString(table.fileName[i]), this);
        group.name->setObjectName("name" + suffix);
        group.browse = new QPushButton(texts.browse, this);
        group.browse->setObjectName("browse" + suffix);
        group.browse->setAutoDefault(false);
        group.read = new QCheckBox(texts.read, this);
        group.read->setObjectName("read" + suffix);
        group.read->setChecked(table.read[i]);
        const int row = g * 2;
        layout->addWidget(group.import, row, 0);
        layout->addWidget(group.read, row, 1, 1, 2);
        layout->addWidget(group.label, row + 1, 0);
        layout->addWidget(group.name, row + 1, 1);
        layout->addWidget(group.browse, row + 1, 2);
        connect(group.import, &QCheckBox::clicked, this, [this, g] { ApplyRules(g); });
        connect(group.browse, &QPushButton::clicked, this, [this, g] {
            std::string chosen;
            if (ChooseInterpolationImportFile(window(), g, chosen))
                groups_[static_cast<std::size_t>(g)].name->setText(QString::fromStdString(chosen));
        });
        // Only pressures come from the files of the seepage programs.
        if (g > 0 && table.kind != 1) {
            QWidget* unused[] = {group.import, group.label, group.name, group.browse, group.read};
            for (QWidget* w : unused) {
                if (w == group.read && !texts.hideUnusedRead) continue;
                w->setEnabled(false);
                w->hide();
            }
        }
    }
    ApplyRules(-1);
}

void InterpolationImportBox::ApplyRules(int clicked) {
    if (clicked >= 0 && groups_[static_cast<std::size_t>(clicked)].import->isChecked())
        for (int g = 0; g < s_InterpolationTable::kGroups; ++g)
            if (g != clicked) groups_[static_cast<std::size_t>(g)].import->setChecked(false);
    for (Group& group : groups_) {
        if (group.import->isHidden()) continue;
        const bool on = group.import->isChecked();
        group.name->setEnabled(on);
        group.browse->setEnabled(on);
        if (texts_.readFollowsImport) group.read->setEnabled(on);
    }
}

void InterpolationImportBox::Store(s_InterpolationTable& table) const {
    for (int g = 0; g < s_InterpolationTable::kGroups; ++g) {
        const auto i = static_cast<std::size_t>(g);
        table.import[i] = groups_[i].import->isChecked();
        table.read[i] = groups_[i].read->isChecked();
        table.fileName[i] = groups_[i].name->text().toStdString();
    }
}

}  // namespace dialogs
