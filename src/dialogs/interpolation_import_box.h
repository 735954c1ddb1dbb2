#pragma once
// The "Import from file" box of the interpolation dialogs: a group for each file kind (generic,
// GMS/SEEP2D, SEEP/W) with its import switch, file name, browse button and read switch. At most
// one import switch is set; a group's name and browse button are enabled while its switch is
// set. Only pore pressures come from the seepage programs' files, so for heads and other values
// only the generic group is shown.
//
//     auto* box = new InterpolationImportBox(table, {"Browse...", "Read data into preprocessor",
//                                                    true, true}, this);
//     ...  box->Store(table);

#include "porepressure/interpolation_table_dialog.h"

#include <QGroupBox>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

// "Choose file to import" for an import group, then whether the name keeps its path; false when
// no file was chosen (name unchanged).
bool ChooseInterpolationImportFile(QWidget* parent, int group, std::string& name);

struct ImportBoxTexts {
    const char* browse = "...";
    const char* read = "Read into preprocessor";
    // The read switch is enabled only while its group's import switch is set.
    bool readFollowsImport = false;
    // A group that is not offered hides its read switch too.
    bool hideUnusedRead = false;
};

class InterpolationImportBox final : public QGroupBox {
    Q_OBJECT
public:
    InterpolationImportBox(const s_InterpolationTable& table, const ImportBoxTexts& texts,
                           QWidget* parent);
    // The switches and file names into the record.
    void Store(s_InterpolationTable& table) const;

private:
    struct Group {
        QCheckBox* import = nullptr;
        QLabel* label = nullptr;
        QLineEdit* name = nullptr;
        QPushButton* browse = nullptr;
        QCheckBox* read = nullptr;
    };
    // clicked >= 0: that group's switch was just clicked; a set switch clears the others.
    void ApplyRules(int clicked);

    ImportBoxTexts texts_;
    std::array<Group, s_InterpolationTable::kGroups> groups_;
};

}  // namespace dialogs
