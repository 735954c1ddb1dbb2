#include "registry/block_checks.h"

#include <utility>

namespace {

s_DataCheckRegistry& Registry() {
    static s_DataCheckRegistry registry;
    return registry;
}

}  // namespace

const s_DataCheckRegistry& DataCheckRegistry() { return Registry(); }

void RegisterBlockCheck(e_CheckBlock block, Cpp_BlockCheck check) {
    Registry().checks.at(static_cast<size_t>(block)) = std::move(check);
}

void RegisterDefaultBlockCheck(e_CheckBlock block, Cpp_BlockCheck check) {
    Cpp_BlockCheck& slot = Registry().checks.at(static_cast<size_t>(block));
    if (!slot) slot = std::move(check);
}

void RegisterCrackQuery(std::function<const Cpp_Crack*(const Cpp_Kliven4DataSet&)> query) {
    Registry().crack = std::move(query);
}

void RegisterSummaryCount(e_SummaryCount count,
                          std::function<int(const Cpp_Kliven4DataSet&, int stage)> query) {
    Registry().counts.at(static_cast<size_t>(count)) = std::move(query);
}
