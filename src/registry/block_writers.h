#pragma once
// The block writers of the input format, by block, with the questions the writer asks about the
// data (second-stage data, a multi-stage analysis, defined analysis data) and the data check it
// runs before the computation input. The owners of the blocks register here; the writer
// (model/writer.h) looks them up.

#include <array>
#include <cstdio>
#include <functional>

class Cpp_Kliven4DataSet;

// The blocks written through their owners' writers.
enum class e_WriterBlock {
    Nails,              // "NAIl data follow -" (document only)
    Geogrids,           // "GEOgrid data data follow -" (document only)
    ExternalFiles,      // the external-file settings of a stage's interpolation data, called for
                        // stage 1 and stage 2 after "EXTernal file data follow -"
    ProfileLines,       // "PROfile line data follow -"
    PiezometricLines,   // per stage
    InterpolationData,  // per stage; point values in the document, file names in the input
    SlopeGeometry,      // written by its owner only when the slope was entered
    DistributedLoads,   // per stage
    LineLoads,          // per stage
    Reinforcement,      // "REInforcement line data follow -"
    Analysis,           // "ANAlysis/computation data follow"
    ConstructionLines,  // "CONstruction line data follow -" (document only)
    Count
};

// A block writer: writes its block of the data set for the stage (1 or 2; 1 for blocks without
// stages) into the file; document tells which file is written. False when it could not write.
using Cpp_BlockWriter =
    std::function<bool(Cpp_Kliven4DataSet& dataSet, std::FILE* file, int stage, bool document)>;
// Whether a kind holds second-stage data.
using Cpp_SecondStageQuery = std::function<bool(const Cpp_Kliven4DataSet& dataSet)>;

// Registers (or, with an empty function, removes) the writer of a block. A block without a
// writer writes nothing: the computation program then lacks that block, which the data check of
// its owner reports. Until the analysis writer is registered no ANA block is written, so the
// computation program will refuse the file.
void RegisterBlockWriter(e_WriterBlock block, Cpp_BlockWriter writer);
// Registers the second-stage query of PiezometricLines, InterpolationData, DistributedLoads or
// LineLoads. Without one the kind counts as holding no second-stage data.
void RegisterSecondStageQuery(e_WriterBlock block, Cpp_SecondStageQuery query);
// The analysis questions: two-stage or three-stage computations are selected; analysis data are
// defined. Without them the analysis is single-stage and undefined ("NO compute").
void RegisterAnalysisQueries(Cpp_SecondStageQuery isMultiStage, Cpp_SecondStageQuery isDefined);
// The data check run before the computation input is written: true when the data have no
// errors. Until it is registered the computation input is refused.
void RegisterDataCheck(std::function<bool(Cpp_Kliven4DataSet& dataSet)> check);
// The same, but only for a block (query, check) that has none yet: the start-up wiring in
// InitializeBlockWriters uses these, so a writer registered before (a test's) stays.
void RegisterDefaultBlockWriter(e_WriterBlock block, Cpp_BlockWriter writer);
void RegisterDefaultSecondStageQuery(e_WriterBlock block, Cpp_SecondStageQuery query);
void RegisterDefaultAnalysisQueries(Cpp_SecondStageQuery isMultiStage,
                                    Cpp_SecondStageQuery isDefined);
void RegisterDefaultDataCheck(std::function<bool(Cpp_Kliven4DataSet& dataSet)> check);
// Forgets every registered writer, query and check (tests).
void ClearBlockWriters();

// What is registered, as the writer reads it.
struct s_BlockWriterTable {
    std::array<Cpp_BlockWriter, static_cast<size_t>(e_WriterBlock::Count)> writers;
    std::array<Cpp_SecondStageQuery, static_cast<size_t>(e_WriterBlock::Count)> secondStage;
    Cpp_SecondStageQuery isMultiStage;
    Cpp_SecondStageQuery isDefined;
    std::function<bool(Cpp_Kliven4DataSet&)> dataCheck;
};
const s_BlockWriterTable& BlockWriterTable();
