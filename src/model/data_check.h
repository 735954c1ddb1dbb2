#pragma once
// The data check of a data set: every block's own check, in a fixed order, each under its
// banner (written before the first message of the block, dropped when the block reports
// nothing). Every block runs whatever the earlier ones reported. Also the data set's extents and
// the lines of the summary of data.
//
// The blocks of other subsystems plug in their checks, counts and extents in
// registry/block_checks.h, e.g.
//     RegisterBlockCheck(e_CheckBlock::LineLoads, [](s_DataCheckContext& c) {
//         bool ok = LineLoads(c.dataSet, 1).Check(1, c.listing);
//         if (c.multiStage) ok = LineLoads(c.dataSet, 2).Check(2, c.listing) && ok;
//         return ok;
//     });
// The check of each block's owner (profile lines, slope, materials, piezometric lines,
// interpolation data, loads and reinforcement, analysis data) is registered by
// InitializeBlockChecks (model/subsystem_registration.h), which the check runs first where a
// block has none.

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "registry/block_checks.h"

class Cpp_Kliven4DataSet;
class Cpp_Crack;

// The banner of a block ("" for the slope step).
const char* DataCheckBanner(e_CheckBlock block);

// The crack of a data set: that of its analysis data unless a query is registered (tests).
const Cpp_Crack* DataSetCrack(const Cpp_Kliven4DataSet& dataSet);

// Runs every block check; true when no block reported errors. The profile-check flag is 1 for
// "Check Data" (the check marks are kept for drawing) and 0 before writing the computation input.
bool CheckDataSet(Cpp_Kliven4DataSet& dataSet, int profileCheckFlag, std::FILE* listing);
// The interpolation data against the materials: missing data a material needs (4870, 4880) and
// data sets no material uses (warnings). False when data are missing.
bool CheckInterpolationDataForMaterials(Cpp_Kliven4DataSet& dataSet, std::FILE* listing);
// Deletes the triangles of an interpolation data set (of a stage) whose centroid lies in no
// region, in the region of another material (a set for one material), or in a material that
// does not use the set's kind (a set for all materials); its contours go when any went.
// True when triangles were deleted.
bool DeleteTrianglesOutsideMaterial(Cpp_Kliven4DataSet& dataSet,
                                    class Cpp_InterpolationDataSet& set, int stage);
// "Stage 1 -> Stage 2 Properties": asks first when profile lines name materials that do not
// exist (No gives false), then copies every material's stage-1 record to stage 2.
bool CopyStage1ToStage2Properties(Cpp_Kliven4DataSet& dataSet, void* parent);

// "Check Data": opens "Error.log", checks, closes and shows the log. The outcome is the check's
// alone: when the log cannot be opened that is reported on its own and every check still runs.
bool CheckDataCommand(Cpp_Kliven4DataSet& dataSet, void* parent);

// The extents of the items of a data set that have extents; false when none contributes.
// Other subsystems add their items' boxes (piezometric lines, interpolation data, loads,
// reinforcement, analysis items).
bool DataSetExtents(const Cpp_Kliven4DataSet& dataSet, double& xmin, double& xmax, double& ymin,
                    double& ymax);
// 1e-8 times the diagonal of the extents (0 without extents).
double DataSetLengthTolerance(const Cpp_Kliven4DataSet& dataSet);

// The lines of the "Summary of Data" dialog, in order.
std::vector<std::string> SummaryLines(const Cpp_Kliven4DataSet& dataSet);
// Those lines in "Summary of Data".
void WriteSummary(const Cpp_Kliven4DataSet& dataSet);
