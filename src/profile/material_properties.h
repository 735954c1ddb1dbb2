#pragma once
// The materials of a data set: what a profile line's material number stands for. A material has
// a number, a description, its own region colour and fill pattern, and one record per
// computation stage with the unit weight, the shear strength and the pore-water pressure.
// Also the "MATerial property data follow -" block (reader with its echo, writer), the data check
// of the materials and the copy of stage-1 properties to stage 2.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/dialog_slot.h"
#include "graphics/list_item.h"
#include "porepressure/pore_pressure.h"
#include "profile/material_table_layout.h"
#include "profile/shear_strength.h"

class Cpp_Kliven4DataSet;

// One point of a laterally varying unit weight.
struct s_LateralUnitWeight {
    double x = 0.0;
    double unitWeight = 0.0;
    bool operator==(const s_LateralUnitWeight&) const = default;
};

// The most lateral unit-weight points of a material stage.
constexpr int MaximumLateralUnitWeights = 25;

// The data of one material in one stage.
class Cpp_MaterialStageData {
public:
    // Unit-weight options.
    enum {
        UnitWeightNone = 0,
        UnitWeightConstant = 1,
        UnitWeightLateral = 2,
        UnitWeightInterpolated = 3
    };

    bool Check(int stage, int number) const;
    // The unit-weight line (and lateral points) of the material block. False after a message;
    // the points read so far stay.
    bool ReadUnitWeight(int stage, int number, std::FILE* input, std::FILE* echoFile, bool echo);
    // The unit-weight line, the strength lines and the pore-pressure line. False when a number
    // format cannot be built.
    bool WriteInputData(std::FILE* file);
    // The unit weight at x (constant, or interpolated between the lateral points); false for
    // another option.
    bool UnitWeightAt(double x, double& unitWeight) const;
    // Copies everything but the entered mark.
    void CopyTo(Cpp_MaterialStageData& target) const;
    void ResetStrengthAndPorePressure();

    void SetUnitWeight(double unitWeight);
    void SetUnitWeightOption(int option) { unitWeightOption_ = option; }
    // At most 25 points are kept.
    void SetLateralUnitWeights(const std::vector<s_LateralUnitWeight>& points);
    // The points for option 2, else none.
    std::vector<s_LateralUnitWeight> GetLateralUnitWeights() const;
    int GetUnitWeightOption() const { return unitWeightOption_; }
    double GetConstantUnitWeight() const { return unitWeight_; }
    int GetStrengthOption() const { return strength_.Option(); }
    Cpp_ShearStrength GetShearStrength() const { return strength_; }
    Cpp_ShearStrength& GetShearStrengthRecord() { return strength_; }
    const Cpp_ShearStrength& GetShearStrengthRecord() const { return strength_; }
    int GetPorePressureOption() const { return porePressure_.GetOption(); }
    Cpp_PorePressure GetPorePressure() const { return porePressure_; }
    Cpp_PorePressure& GetPorePressureRecord() { return porePressure_; }
    const Cpp_PorePressure& GetPorePressureRecord() const { return porePressure_; }
    // A strength option and a pore-pressure option are given.
    bool HasData() const;
    bool IsEntered() const { return entered_; }
    void SetEntered(bool entered) { entered_ = entered; }

    // Texts: the rows of the selected-item page, and the tool tip.
    bool AddRows(class Cpp_NameValueList& rows) const;
    std::string UnitWeightToolTip() const;

private:
    bool entered_ = false;
    double unitWeight_ = 0.0;
    int unitWeightOption_ = UnitWeightNone;
    std::vector<s_LateralUnitWeight> points_;
    Cpp_ShearStrength strength_;
    Cpp_PorePressure porePressure_;
};

// One entry of the material dialogs: a material's number, description and the record of the
// stage being edited.
struct DialogMaterialData {
    int number = 0;
    std::string description;
    Cpp_MaterialStageData record;
};

// The material table of a stage ("Add Missing" adds the materials that profile lines use: the
// pairs are (profile line number, material number)). Its window is registered in
// MaterialGridDialogSlot(); the stand-in cancels.
class MaterialGridDialog {
public:
    virtual ~MaterialGridDialog() = default;
    // True with the entries as the user left them on OK; false on Cancel.
    virtual bool Run(int stage, const std::vector<std::pair<int, int>>& pairs,
                     std::vector<DialogMaterialData>& entries) = 0;
};
// The dialog of one material, with the text naming the profile lines that use it. Its window is
// registered in MaterialDialogSlot(); the stand-in cancels.
class MaterialDialog {
public:
    virtual ~MaterialDialog() = default;
    virtual bool Run(int stage, const std::string& usage, DialogMaterialData& entry) = 0;
};
DialogSlot<MaterialGridDialog>& MaterialGridDialogSlot();
DialogSlot<MaterialDialog>& MaterialDialogSlot();

class Cpp_MaterialProperties : public Cpp_ListItem {
public:
    class Exc_IllegalStage {};

    explicit Cpp_MaterialProperties(int number = 0) { SetNumber(number); }

    // Stage 1 or 2; the strength and pore-pressure getters also take 3 for the second stage.
    int GetStrengthOption(int stage) const;
    Cpp_ShearStrength& GetShearStrengthRecord(int stage);
    int GetPorePressureOption(int stage) const;
    Cpp_PorePressure& GetPorePressureRecord(int stage);
    int GetUnitWeightOption(int stage) const;
    double GetConstantUnitWeight(int stage) const;
    bool UnitWeight(int stage, double x, double& unitWeight) const;
    Cpp_MaterialStageData& Stage(int stage);
    const Cpp_MaterialStageData& Stage(int stage) const;

    // Strength option not 0 and pore-pressure option not 1: the writer writes only such stages.
    bool HasStageData(int stage) const;
    // The stage-2 record has a unit-weight, strength or pore-pressure option.
    bool HasSecondStageData() const;
    bool IsEnteredInBlock(int stage) const { return Stage(stage).IsEntered(); }
    void SetEnteredInBlock(int stage, bool entered) { Stage(stage).SetEntered(entered); }
    // Strength and pore pressure of the stage reset; the unit weight stays.
    void ResetStage(int stage) { Stage(stage).ResetStrengthAndPorePressure(); }
    bool CheckStage(int stage, int number) const { return Stage(stage).Check(stage, number); }
    void SetStageData(int stage, const Cpp_MaterialStageData& data);
    void CopyStageData(int stage, Cpp_MaterialStageData& destination) const;
    void CopyFirstStageToSecondStage() { stages_[0].CopyTo(stages_[1]); }

    bool ReadStageData(int stage, std::FILE* input, std::FILE* echoFile, bool echo);
    bool WriteInputDataFile(std::FILE* file, int stage);
    // The echo header of the material.
    void PrintData() const;

    bool HasOwnColour() const { return ownColour_; }
    void SetOwnColour(bool own, std::uint32_t rgb) {
        ownColour_ = own;
        colour_ = rgb;
    }
    std::uint32_t GetColour() const { return colour_; }
    int GetFillPattern() const { return fillPattern_; }
    void SetFillPattern(int pattern) { fillPattern_ = pattern; }

    // The dialog of this material for the stage; lines are the numbers of the profile lines that
    // use it (many: more than can be named). True after OK, which stores the description and
    // the record.
    bool EditMaterial(int stage, const std::vector<int>& lines, bool many);

    // Texts of the material (tool tip, rows, information tree).
    bool GetUnitWeightToolTip(int stage, std::string& text) const;
    bool PrintHeading(int stage, class Cpp_NameValueList& rows) const;
    // The unit-weight items, the strength items and the pore-pressure description of the stage;
    // nothing when the information window does not exist.
    bool AddInformation(platform::InfoWindowService& info, int stage,
                        platform::InfoItem parent) const;

private:
    static int Index(int stage);
    static int StrengthIndex(int stage);

    bool ownColour_ = false;
    std::uint32_t colour_ = 0;
    int fillPattern_ = -1;
    Cpp_MaterialStageData stages_[2];
};

// The materials of a data set, in the order in which they were created; numbers are unique.
class Cpp_MaterialPropertiesList {
public:
    Cpp_MaterialPropertiesList() = default;
    Cpp_MaterialPropertiesList(const Cpp_MaterialPropertiesList&) = delete;
    Cpp_MaterialPropertiesList& operator=(const Cpp_MaterialPropertiesList&) = delete;

    Cpp_MaterialProperties* FindMaterial(int number);
    const Cpp_MaterialProperties* FindMaterialConst(int number) const;
    Cpp_MaterialProperties* FindOrCreate(int number);
    Cpp_MaterialProperties* Create(int number);
    void DeleteAll() { materials_.clear(); }
    int Count() const { return static_cast<int>(materials_.size()); }
    bool IsEmpty() const { return materials_.empty(); }
    // The materials in list order.
    std::vector<Cpp_MaterialProperties*> Materials() const;

    bool HasSecondStageData() const;
    bool CopyFirstStageToSecondStage();
    // The data check of the materials, for stage 1 and, when multi-stage, stage 2. The pore
    // pressure of a material is checked against dataSet. Messages go to the message file.
    bool Check(bool multiStage, const Cpp_Kliven4DataSet* dataSet);
    // The block of the stage; nothing, and true, when no material has data for it.
    bool WriteInputDataFile(std::FILE* file, int stage) const;
    // The material table of a stage (the command passes the current stage), sorted by number.
    // On OK every material's record of the stage is replaced by its entry's, new numbers become
    // new materials and materials without an entry are deleted (their profile lines must be
    // linked again). True after OK.
    bool EditMaterials(const std::vector<std::pair<int, int>>& pairs, int stage);

private:
    std::vector<std::unique_ptr<Cpp_MaterialProperties>> materials_;
};

// The material data of a data set: the list, and per stage whether the material table is shown.
class Cpp_MaterialPropertyData {
public:
    // The MAT block for the stage, with its echo tables 4 (stage 1) or 5 (stage 2).
    bool ReadInput(std::FILE* input, std::FILE* echoFile, int stage, bool echo);
    bool WriteInputDataFile(std::FILE* file, int stage) const {
        return materials_.WriteInputDataFile(file, stage);
    }
    Cpp_MaterialPropertiesList& GetMaterialList() { return materials_; }
    const Cpp_MaterialPropertiesList& GetMaterialList() const { return materials_; }
    void DeleteAllMaterials() { materials_.DeleteAll(); }

    // Stage 1 or 2; another stage answers false and stores nothing.
    bool GetShowTable(int stage) const;
    void SetShowTable(int stage, bool show);
    static bool GetDefaultShowTable(int stage);
    static void SetDefaultShowTable(int stage, bool show);
    // Where the table of the stage stands in the drawing (stage 1 or 2; another gives stage 1's).
    Cpp_MaterialTableLayout& TableLayout(int stage) { return layouts_[stage == 2 ? 1 : 0]; }

private:
    bool showTable_[2] = {false, false};
    Cpp_MaterialTableLayout layouts_[2];
    Cpp_MaterialPropertiesList materials_;
};
