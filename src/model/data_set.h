#pragma once
// One problem: every block of data the input format carries lives in a Cpp_Kliven4DataSet,
// most of it once per computation stage. The list of data sets and the current one are in
// Cpp_Kliven4Data (model/data_sets.h).
//
// Program-wide state shared by the reader and the writer (static members here): the current
// stage (1 or 2), the older-format mode (KL3 ... KL4), the graphics-output flag (GRA) and the
// data-entry style.
//
// Adding the data of a subsystem: add the member below (constructed with its stage where it has
// one), empty it in Clear(), give it its display defaults in Reset(), and add an accessor; stage
// accessors call CheckStage(stage) first. Keep additions to one line each where possible.
//
//     Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
//     ds->HeadingAddress()->AddLine("Example");
//     int stage = Cpp_Kliven4DataSet::CurrentStage();

#include <cstdio>
#include <memory>

#include "analysis/analysis_computation_data.h"
#include "analysis/results_display.h"
#include "analysis/slices.h"
#include "core/dialog_slot.h"
#include "core/message_boxes.h"
#include "graphics/list_item.h"
#include "loads/loads_data.h"
#include "model/heading.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/display_selections.h"

class Cpp_MaterialPropertyData;

// "Other Input Data": whether the computation input asks for the graphics exchange file; the
// box is edited in place, true on OK.
class Cpp_OtherDataDialog {
public:
    virtual ~Cpp_OtherDataDialog() = default;
    virtual bool Run(bool& createGraphicsFile) = 0;
};

// The registered window; the stand-in cancels.
DialogSlot<Cpp_OtherDataDialog>& OtherDataDialogSlot();

class Cpp_Kliven4DataSet : public Cpp_ListItem {
public:
    class Exc_IllegalStage {};

    explicit Cpp_Kliven4DataSet(int number);
    ~Cpp_Kliven4DataSet() override;
    Cpp_Kliven4DataSet(const Cpp_Kliven4DataSet&) = delete;
    Cpp_Kliven4DataSet& operator=(const Cpp_Kliven4DataSet&) = delete;

    // Empties every member; display settings stay.
    void Clear();
    // Copies the program-wide default display settings into the members; data stay.
    void Reset();
    // Before a file is read and when the reader skips to the next data set: stage 1,
    // older-format mode off, graphics-output flag on, members' read state reset.
    void ResetForNewData();

    // Program-wide state.
    static int CurrentStage();
    static void SetCurrentStage(int stage);  // 1 or 2, else Exc_IllegalStage
    static bool IsOlderFormat();
    static void SetOlderFormat(bool on);
    static bool GraphicsOutputFlag();
    static void SetGraphicsOutputFlag(bool on);
    // "Other Input Data" on the graphics-output flag; on OK the flag takes the box. True on OK.
    static bool EditGraphicsOutputFlag();
    // The data-entry style of the line, load, interpolation and noncircular-search commands: 2
    // (the start, and all the program ever uses) opens the tables, 1 the list-style dialogs.
    static int DataEntryDialogStyle();
    static void SetDataEntryDialogStyle(int style);
    // Throws Exc_IllegalStage unless stage is 1 or 2.
    static void CheckStage(int stage);

    // The distributed-load tool chosen for a stage: the slope generated from the profile lines
    // when it has no points (then marked as not entered), and the loads' display scale made sure.
    bool StartDistributedLoadEntry(int stage);

    Cpp_Heading* HeadingAddress() { return &heading_; }
    const Cpp_Heading& Heading() const { return heading_; }
    Cpp_Heading CopyHeading() const { return heading_; }

    // Loads and reinforcement (loads/loads_data.h); stage accessors throw Exc_IllegalStage.
    Cpp_LoadsData& Loads() { return loads_; }
    const Cpp_LoadsData& Loads() const { return loads_; }
    Cpp_DistributedLoadData* DistributedLoads(int stage) {
        return CheckStage(stage), &loads_.DistributedLoads(stage);
    }
    Cpp_LineLoadList* LineLoads(int stage) { return CheckStage(stage), &loads_.LineLoads(stage); }
    Cpp_ReinforcementLineList* ReinforcementLines() { return &loads_.reinforcement; }
    Cpp_NailData* SoilNails() { return &loads_.nails; }
    Cpp_GeogridData* Geogrids() { return &loads_.geogrids; }

    // The display record: what the view shows of this data set (model/display_selections.h).
    s_DisplayFlagsType& DisplayFlags() { return display_; }
    bool SetDisplayOption(int option, bool value);
    // Draws the data set in its layer order on the current device context (data_set_drawing).
    bool Draw(double lowestVisibleY, bool clip, int left, int top, int right, int bottom);
    // The materials of both stages (profile/material_properties.h).
    Cpp_MaterialPropertyData& MaterialData() { return *materials_; }
    const Cpp_MaterialPropertyData& MaterialData() const { return *materials_; }
    Cpp_AnalysisComputationData* AnalysisComputationData() { return &analysis_; }
    // The optional analysis data of the set; after OK a changed crack or crack water rebuilds
    // the crack lines of the slope (the slope generated first when it has no points). noData:
    // there were no primary analysis data, nothing was shown but their message.
    bool EditOptionalAnalysisData(void* window, bool& noData);
    const Cpp_AnalysisComputationData& Analysis() const { return analysis_; }
    int AnalysisMode() const { return analysis_.GetMode(); }
    bool IsMultiStage() const { return analysis_.IsMultiStage(); }
    Cpp_ProfileLineList& ProfileLines() { return profileLines_; }
    const Cpp_ProfileLineList& ProfileLines() const { return profileLines_; }
    Cpp_SlopeGeometry& SlopeGeometry() { return slopeGeometry_; }
    const Cpp_SlopeGeometry& SlopeGeometry() const { return slopeGeometry_; }
    // Computed results: the first slices and results-display records (the second pair is only
    // kept and cleared). Nothing fills them yet.
    Cpp_Slices& Slices() { return slices_[0]; }
    const Cpp_Slices& Slices() const { return slices_[0]; }
    const Cpp_Slice* Slice(int i) const { return slices_[0].GetSlice(i); }
    Cpp_ResultsDisplay& ResultsDisplay() { return results_[0]; }
    const Cpp_ResultsDisplay& ResultsDisplay() const { return results_[0]; }

    // The data check of every block under its banner (model/data_check.h); true without errors.
    bool CheckData(int profileCheckFlag, std::FILE* listing);

    void SetOrientationFlag(bool flag) { orientationFlag_ = flag; }
    bool GetOrientationFlag() const { return orientationFlag_; }

    // Pore water pressure (porepressure/data_set_links.cpp).
    Cpp_PiezometricLineList* PiezometricLines(int stage);
    const Cpp_PiezometricLineList* PiezometricLines(int stage) const;
    bool PiezometricLineExists(int stage, int number) const;
    Cpp_InterpolationData* InterpolationData(int stage);
    const Cpp_InterpolationData* InterpolationData(int stage) const;
    // EXT block: the records of stage 1, then stage 2.
    bool ReadExternalFileNames(std::FILE* input);
    // After a read: the import of point files, then per stage the duplicate report, the vertex
    // lists, the triangulations and the boundaries (stopping at the first failure).
    bool PrepareInterpolationData(std::FILE* listing);

    // Reads one data set from the input file, dispatching each block to its reader
    // (model/block_readers.h); messages and echo tables go to the listing. False when the read
    // failed; endFlag is set when the file held no further command line at all.
    bool ReadInputData(WindowHandle parent, std::FILE* input, std::FILE* listing, bool& endFlag);
    // Recovery after a failed block: skips to the next "***" line and empties the data set.
    bool SkipToNextDataSet(std::FILE* input, std::FILE* listing);

private:
    Cpp_Heading heading_;
    s_DisplayFlagsType display_;
    std::unique_ptr<Cpp_MaterialPropertyData> materials_;
    Cpp_AnalysisComputationData analysis_;
    Cpp_LoadsData loads_;
    Cpp_ProfileLineList profileLines_;
    Cpp_SlopeGeometry slopeGeometry_;
    bool orientationFlag_ = false;
    Cpp_PiezometricLineList piezometricLines_[2];
    Cpp_InterpolationData interpolationData_[2];
    Cpp_Slices slices_[2];
    Cpp_ResultsDisplay results_[2];
};
