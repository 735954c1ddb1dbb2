#pragma once
// The reader of the "ANAlysis/computation data follow" block: its first line, the slip-surface
// lines of each shape and mode, and the optional sub-commands. Used through
// Cpp_AnalysisComputationData::ReadInput.

#include <cstdio>
#include <string>

#include "analysis/analysis_computation_data.h"
#include "core/input_lines.h"

class AnalysisBlockReader {
public:
    AnalysisBlockReader(Cpp_AnalysisComputationData& data, bool olderFormat, std::FILE* file,
                        std::FILE* echoFile, bool echo)
        : a_(data), older_(olderFormat), file_(file), echoFile_(echoFile), echo_(echo) {}

    bool ReadInput();
    bool ReadOptionalData();

private:
    // slip-surface lines
    bool ReadIndividualCircle();
    bool ReadSearchType1();
    bool ReadInputRadiusDefinition(char letter);
    bool ReadSearchType2();
    bool ReadInteractiveCircle();
    bool ReadCriticalRadiusControl();
    bool ReadCircleTangentLine();
    bool ReadTangentLine(Cpp_TangentLine& line);
    bool ReadIndividualNoncircular();
    bool ReadNoncircularSearch();
    bool ReadNoncircularShiftParameters();

    // optional sub-commands
    bool ReadProcedure();
    bool ReadImbalance(bool isForce);
    bool ReadCrackOrWaterDepth(bool isCrack);
    bool ReadRestrictions();
    bool ReadRefinement();
    bool ReadMaterialPropertyTable();
    bool ReadLambda(const std::string& word);
    // The next number line with at least one value; a missing value is reported with the
    // sub-command word and fails.
    bool ReadValueLine(const std::string& word, s_InputLineType& rec, int maxValues = 20);
    bool ReadRealLine(const std::string& word, double& value);
    bool ReadIntegerLine(const std::string& word, int& value);

    bool Number(s_InputLineType& rec, int maxValues = 20) {
        rec = s_InputLineType();
        rec.maxValues = maxValues;
        return ReadNumberLine(file_, rec);
    }
    void EchoTangentLine(int mode);

    Cpp_AnalysisComputationData& a_;
    bool older_;
    std::FILE* file_;
    std::FILE* echoFile_;
    bool echo_;
};
