#pragma once
// What the material properties window shows and does, without the window: the entries being
// edited (one per material, the record of the dialog's stage), the fields of the shown material,
// which controls are shown and enabled, the three point tables as cell texts, the material list,
// and the checks and messages of storing a material. The Qt window copies its widgets into
// Fields() and the tables before each operation and shows the state again after it.
//
//     MaterialDialogState state(stage, false, entries, pairs);
//     if (!state.Initialize()) ...            // a stage other than 1 or 2
//     state.Fields().strengthIndex = 3;       // the user picks "Constant c/p ratio"
//     state.StrengthOptionChanged();
//     if (state.Ok()) entries = state.Entries();
//
// Strength options are offered by combo index (stage 1: codes 1, 2, 3, 4, 5, 7, 9, 13; stage 2
// adds 11 and 12 before 13); pore-pressure option = combo index + 2. A material whose strength
// or pore-pressure option is not offered shows no selection in that combo and keeps its option
// and data until the user picks an offered one.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "profile/material_graphs.h"
#include "profile/material_properties.h"

// One point table of the dialog as the user sees it: the column titles (the first for the
// row-header column), the printf format of each data column, the row label and the data rows as
// cell texts. `setUps` grows each time the table is set up again (new columns or rows).
struct s_MaterialTableText {
    bool shown = false;
    int setUps = 0;
    std::vector<std::string> titles;
    std::vector<std::string> formats;
    std::string rowLabel = "Point";
    int columnWidth = 0;
    // Data rows (the heading row is not one), each with one text per data column.
    std::vector<std::vector<std::string>> rows;
    int DataColumns() const { return static_cast<int>(formats.size()); }
};

// The floating-point table rules: blank rows end the data, every cell of a data row holds a
// number, the row count lies within the limits (-1: none). The first fault is shown in a box
// captioned "ERROR" on window; false then. On success the rows' numbers (in table order).
bool ValidateMaterialTable(void* window, const s_MaterialTableText& table, int minimumRows,
                           int maximumRows, int* lastDataRow = nullptr);
bool ReadMaterialTable(void* window, const s_MaterialTableText& table, int minimumRows,
                       int maximumRows, std::vector<std::vector<double>>& values);
// The blank-row rule alone: false for a non-blank row after a blank one (with the message when
// asked) or a row with blank cells before it (silently).
bool FindLastMaterialTableRow(void* window, const s_MaterialTableText& table, bool showMessage,
                              int& lastDataRow);
// Ascending by each row's first value; the earliest of equal values first.
void SortRowsByFirstValue(std::vector<std::vector<double>>& rows);

class MaterialDialogState {
public:
    enum TableId { UnitWeightTable = 0, FirstStrengthTable = 1, SecondStrengthTable = 2 };

    // The members the controls exchange.
    struct s_Fields {
        int materialNumber = 0;
        double unitWeight = 0.0;
        int strengthIndex = 0;      // -1: no selection
        int porePressureIndex = 0;  // -1: no selection
        std::string description;
        bool negativeAllowed = false;
        double porePressureValue = 0.0;
        int piezometricLine = 0;
        std::array<double, 4> strength{};
        std::string usageText;
        bool displayGraphs = true;
        bool variableUnitWeight = false;
    };

    // Which controls are shown and enabled, and the texts of the rewritten labels.
    struct s_Controls {
        std::array<std::string, 4> strengthLabels{};
        // The unit word after each strength field (empty for a ratio).
        std::array<std::string, 4> strengthUnits{};
        std::array<bool, 4> strengthShown{};
        bool displayGraphsEnabled = false;
        bool porePressureEnabled = true;
        bool negativeShown = false;
        bool negativeEnabled = false;
        bool valueShown = false;
        std::string valueLabel;
        std::string valueUnit;
        bool lineShown = false;
        std::string lineLabel;
        bool unitWeightEnabled = true;
    };

    MaterialDialogState(int stage, bool singleMaterial, std::vector<DialogMaterialData> entries,
                        std::vector<std::pair<int, int>> pairs = {});
    ~MaterialDialogState();

    // The owner of the message boxes (the dialog's window; none: the active window).
    void SetWindow(void* window) { window_ = window; }
    void* Window() const { return window_; }

    // The option lists, the first material shown, the controls set. False for a stage other
    // than 1 or 2 (nothing is offered then).
    bool Initialize();

    int Stage() const { return stage_; }
    bool SingleMaterial() const { return single_; }
    s_Fields& Fields() { return fields_; }
    const s_Fields& Fields() const { return fields_; }
    const s_Controls& Controls() const { return controls_; }
    s_MaterialTableText& Table(TableId id) { return tables_[id]; }
    const s_MaterialTableText& Table(TableId id) const { return tables_[id]; }
    const std::vector<DialogMaterialData>& Entries() const { return entries_; }
    std::vector<DialogMaterialData>& Entries() { return entries_; }
    int Current() const { return current_; }
    MaterialGraphs& Graphs() { return graphs_; }

    // ---- Option maps
    // The texts of the strength combo, in combo order.
    std::vector<std::string> StrengthOptionTexts() const;
    static const std::vector<std::string>& PorePressureOptionTexts();
    // The name of any strength option code (also those not offered); "" for an unknown code.
    static std::string StrengthOptionName(int code);
    const std::vector<int>& OptionCodes() const { return codes_; }
    // The code of a combo index; the first code outside the list.
    int OptionFromComboIndex(int index) const;
    // The first combo index of the code; -1 when it is not offered.
    int FindComboIndexOfOption(int code) const;
    // The code of the strength selection; the kept code when nothing offered is selected.
    int SelectedStrengthOption() const;
    // The labels of the four strength fields of an option ("" for a hidden field).
    static std::array<std::string, 4> StrengthFieldLabels(int code);
    // The units of those fields in the current unit system.
    static std::array<std::string, 4> StrengthFieldUnits(int code);
    // The strength name shown while a kept option has no combo entry ("" when none is kept).
    std::string KeptStrengthText() const;
    std::string KeptPorePressureText() const;

    // ---- Events of the controls (the fields hold what the controls show)
    void StrengthOptionChanged();
    void PorePressureOptionChanged();
    void VariableUnitWeightChanged();
    // "Display graph(s) of data": cleared hides the graph, checked makes a new one.
    void DisplayGraphsChanged();
    // A cell of a strength table was edited: the graph follows the table.
    void StrengthTableEdited();
    // The window is on the screen: a graph made before is brought above it, once.
    void DialogShown() { graphs_.RaiseOnce(); }

    // ---- Materials
    // Loads entry index into the fields (-1: the blank state) and makes it current.
    void ShowMaterial(int index);
    // Checks the fields and stores them into entry index under number; false after a message.
    bool StoreMaterial(int index, int number);
    bool ValidateFields();
    // OK: stores the shown material; false keeps the dialog open.
    bool Ok();

    // ---- The material list
    // Item i shows entry i's number; "<None>" alone while there are none.
    std::vector<std::string> ListItems() const;
    // A click or a keyboard selection of item index: stores the shown material and shows it.
    bool SelectMaterial(int index);
    // The label of item index edited to text: true when the number is taken (the item then shows
    // the new label); false after a "Notice".
    bool RenameMaterial(int index, const std::optional<std::string>& text);
    bool NewMaterial();
    bool AddMissing();
    void DeleteMaterial();
    void DeleteAll();

private:
    void ShowCurrentMaterial();
    void UpdateUnitWeightFields();
    void SetUpTable(TableId id, int index);
    void SetUpStrengthTables();
    // The graph of the shown option from its tables; unchanged when they hold too little.
    void UpdateGraph();
    void SetUsageText(int number);
    bool StoreTables(DialogMaterialData& entry, int option);
    bool ShowNotice(const std::string& text) const;

    int stage_;
    bool single_;
    std::vector<DialogMaterialData> entries_;
    std::vector<std::pair<int, int>> pairs_;
    void* window_ = nullptr;
    std::vector<int> codes_;
    int current_ = -1;
    s_Fields fields_;
    s_Controls controls_;
    std::array<s_MaterialTableText, 3> tables_;
    // The strength and pore pressure of the shown material when their options are not offered;
    // they are stored back while the combo shows no selection.
    std::optional<Cpp_ShearStrength> keptStrength_;
    std::optional<Cpp_PorePressure> keptPorePressure_;
    // The lowest negative pore pressure of the shown material, which has no field of its own.
    bool hasLimit_ = false;
    double limitingValue_ = 0.0;
    MaterialGraphs graphs_;
};
