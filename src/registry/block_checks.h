#pragma once
// What the data check (model/data_check.h) runs and counts, as the subsystems register it: the
// check of each block, the crack the slope step uses (tests), the extents of items and the counts
// of the summary of data. The check of each block's owner is registered at start-up
// (InitializeBlockChecks in model/subsystem_registration.cpp).

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

class Cpp_Kliven4DataSet;
class Cpp_Crack;

// The blocks in the order they are checked.
enum class e_CheckBlock {
    ProfileLines,
    SlopePresent,  // generates the slope when missing, then the crack lines (no banner)
    Materials,
    PiezometricLines,
    InterpolationData,
    SlopeGeometry,
    DistributedLoads,
    LineLoads,
    Reinforcement,
    Analysis,
    Count
};

struct s_DataCheckContext {
    Cpp_Kliven4DataSet& dataSet;
    std::FILE* listing;       // messages go here (and to "Error.log" while it is open)
    double tolerance;         // 1e-8 times the diagonal of the data set's extents
    bool multiStage;          // two- or three-stage computations: stage 2 is checked too
    int profileCheckFlag;     // handed to the profile-line check (collect check marks)
    bool profileLinesPassed;  // the profile-line check found no errors
};

// A block check: true when its block has no errors.
using Cpp_BlockCheck = std::function<bool(s_DataCheckContext& context)>;
// Registers (or replaces) the check of a block; an empty function removes it.
void RegisterBlockCheck(e_CheckBlock block, Cpp_BlockCheck check);
// The same, only for a block without a check: the start-up wiring (InitializeBlockChecks) uses
// it, so a check a test registered first stays.
void RegisterDefaultBlockCheck(e_CheckBlock block, Cpp_BlockCheck check);

// The crack of a data set: that of its analysis data unless a query is registered (tests).
void RegisterCrackQuery(std::function<const Cpp_Crack*(const Cpp_Kliven4DataSet&)> query);

// The box of a kind of item of a data set; false when it has none.
using Cpp_ExtentsContributor = std::function<bool(const Cpp_Kliven4DataSet& dataSet, double& xmin,
                                                  double& xmax, double& ymin, double& ymax)>;

// Counts of the summary of data that other subsystems own (by stage where they have one).
enum class e_SummaryCount {
    PiezometricLines,
    PressurePoints,  // interpolation points of pore-water pressure
    RSubUPoints,
    StrengthPoints,
    CpPoints,
    DistributedLoadPoints,
    LineLoads,
    ReinforcementLines,
    Count
};
void RegisterSummaryCount(e_SummaryCount count,
                          std::function<int(const Cpp_Kliven4DataSet&, int stage)> query);

// What is registered, as the data check reads it.
struct s_DataCheckRegistry {
    std::array<Cpp_BlockCheck, static_cast<size_t>(e_CheckBlock::Count)> checks;
    std::function<const Cpp_Crack*(const Cpp_Kliven4DataSet&)> crack;
    std::map<std::string, Cpp_ExtentsContributor> extents;
    std::array<std::function<int(const Cpp_Kliven4DataSet&, int)>,
               static_cast<size_t>(e_SummaryCount::Count)>
        counts;
};
const s_DataCheckRegistry& DataCheckRegistry();
