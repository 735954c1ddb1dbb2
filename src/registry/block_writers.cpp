#include "registry/block_writers.h"

#include <utility>

namespace {

s_BlockWriterTable& Registry() {
    static s_BlockWriterTable registry;
    return registry;
}

}  // namespace

const s_BlockWriterTable& BlockWriterTable() { return Registry(); }

void RegisterBlockWriter(e_WriterBlock block, Cpp_BlockWriter writer) {
    if (block == e_WriterBlock::Count) return;
    Registry().writers[static_cast<size_t>(block)] = std::move(writer);
}

void RegisterSecondStageQuery(e_WriterBlock block, Cpp_SecondStageQuery query) {
    if (block == e_WriterBlock::Count) return;
    Registry().secondStage[static_cast<size_t>(block)] = std::move(query);
}

void RegisterAnalysisQueries(Cpp_SecondStageQuery isMultiStage, Cpp_SecondStageQuery isDefined) {
    Registry().isMultiStage = std::move(isMultiStage);
    Registry().isDefined = std::move(isDefined);
}

void RegisterDataCheck(std::function<bool(Cpp_Kliven4DataSet&)> check) {
    Registry().dataCheck = std::move(check);
}

void RegisterDefaultBlockWriter(e_WriterBlock block, Cpp_BlockWriter writer) {
    if (block == e_WriterBlock::Count || Registry().writers[static_cast<size_t>(block)]) return;
    RegisterBlockWriter(block, std::move(writer));
}

void RegisterDefaultSecondStageQuery(e_WriterBlock block, Cpp_SecondStageQuery query) {
    if (block == e_WriterBlock::Count || Registry().secondStage[static_cast<size_t>(block)]) return;
    RegisterSecondStageQuery(block, std::move(query));
}

void RegisterDefaultAnalysisQueries(Cpp_SecondStageQuery isMultiStage,
                                    Cpp_SecondStageQuery isDefined) {
    if (!Registry().isMultiStage) Registry().isMultiStage = std::move(isMultiStage);
    if (!Registry().isDefined) Registry().isDefined = std::move(isDefined);
}

void RegisterDefaultDataCheck(std::function<bool(Cpp_Kliven4DataSet&)> check) {
    if (!Registry().dataCheck) Registry().dataCheck = std::move(check);
}

void ClearBlockWriters() { Registry() = s_BlockWriterTable{}; }
