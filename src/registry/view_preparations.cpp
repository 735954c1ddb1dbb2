#include "registry/view_preparations.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<ViewPreparation>& Preparations() {
    static std::vector<ViewPreparation> preparations;
    return preparations;
}

}  // namespace

void RegisterViewPreparation(ViewPreparation preparation) {
    auto& p = Preparations();
    if (preparation && std::find(p.begin(), p.end(), preparation) == p.end())
        p.push_back(preparation);
}

void RunViewPreparations(Cpp_Kliven4DataSet& dataSet) {
    for (ViewPreparation p : Preparations()) {
        try {
            p(dataSet);
        } catch (...) {}
    }
}
