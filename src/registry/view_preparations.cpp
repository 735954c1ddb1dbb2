#include "registry/view_preparations.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<ViewPreparation>& Preparations() {
    static std::vector<ViewPreparation> preparations;
    return preparations;
}

std::vector<AfterDataDrawing>& AfterDataDrawings(e_AfterDataStep step) {
    static std::vector<AfterDataDrawing> drawings[kAfterDataStepCount];
    return drawings[static_cast<int>(step)];
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

void RegisterAfterDataDrawing(e_AfterDataStep step, AfterDataDrawing drawing) {
    auto& d = AfterDataDrawings(step);
    if (drawing && std::find(d.begin(), d.end(), drawing) == d.end()) d.push_back(drawing);
}

void RunAfterDataDrawings(e_AfterDataStep step, platform::DeviceContext& dc,
                          Cpp_Kliven4DataSet* dataSet) {
    for (AfterDataDrawing d : AfterDataDrawings(step)) {
        try {
            d(dc, dataSet);
        } catch (...) {}
    }
}

void UnregisterAfterDataDrawing(e_AfterDataStep step, AfterDataDrawing drawing) {
    auto& d = AfterDataDrawings(step);
    d.erase(std::remove(d.begin(), d.end(), drawing), d.end());
}
