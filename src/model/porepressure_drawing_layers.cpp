#include "model/porepressure_drawing_layers.h"

#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"
#include "registry/data_set_drawing.h"
#include "registry/display_selections.h"

namespace {

void FirstPassLayer(Cpp_Kliven4DataSet& d, const s_DrawContextType&) {
    DrawInterpolationFirstPass(d);
}
void PiezometricLayer(Cpp_Kliven4DataSet& d, const s_DrawContextType&) {
    DrawPiezometricPointsAndLines(d);
}
void PointsLayer(Cpp_Kliven4DataSet& d, const s_DrawContextType&) {
    DrawInterpolationPointsAndContours(d);
}
void ThirdPassLayer(Cpp_Kliven4DataSet& d, const s_DrawContextType&) {
    DrawInterpolationThirdPass(d);
}
void LabelsLayer(Cpp_Kliven4DataSet& d, const s_DrawContextType&) {
    DrawPiezometricNumbersAndCoordinates(d);
}

void ApplyDefaults(const s_DisplayFlagsType& flags) {
    for (int stage = 1; stage <= 2; ++stage)
        Cpp_PiezometricLineList::SetDefaultDisplayFlags(stage, flags.piezometricLines[stage - 1],
                                                        flags.piezometricPoints[stage - 1],
                                                        flags.piezometricNumbers[stage - 1]);
}

}  // namespace

void RegisterPorePressureDrawing() {
    Cpp_DataSetDrawing::Register(e_DrawLayer::InterpolationFirstPass, "interpolation triangles",
                                 FirstPassLayer);
    Cpp_DataSetDrawing::Register(e_DrawLayer::PiezometricLines, "piezometric lines",
                                 PiezometricLayer);
    Cpp_DataSetDrawing::Register(e_DrawLayer::InterpolationPoints,
                                 "interpolation points and contours", PointsLayer);
    Cpp_DataSetDrawing::Register(e_DrawLayer::InterpolationThirdPass, "interpolation values",
                                 ThirdPassLayer);
    Cpp_DataSetDrawing::Register(e_DrawLayer::PiezometricLabels, "piezometric labels", LabelsLayer);
    Cpp_DisplaySelections::RegisterOwner(ApplyPiezometricDisplayFlags, ApplyDefaults);
}

void ApplyPiezometricDisplayFlags(Cpp_Kliven4DataSet& dataSet, const s_DisplayFlagsType& flags) {
    for (int stage = 1; stage <= 2; ++stage) {
        Cpp_PiezometricLineList* list = dataSet.PiezometricLines(stage);
        list->SetShowLines(flags.piezometricLines[stage - 1]);
        list->SetShowPoints(flags.piezometricPoints[stage - 1]);
        list->SetShowLineNumbers(flags.piezometricNumbers[stage - 1]);
        list->SetShowFlag31(flags.piezometricCoordinates[stage - 1]);
    }
}

void DrawInterpolationFirstPass(Cpp_Kliven4DataSet& dataSet) {
    const s_DisplayFlagsType& flags = dataSet.DisplayFlags();
    for (int stage = 1; stage <= 2; ++stage)
        for (int kind = 1; kind <= 6; ++kind)
            DrawInterpolationTriangles(*dataSet.InterpolationData(stage), kind, flags);
}

void DrawPiezometricPointsAndLines(Cpp_Kliven4DataSet& dataSet) {
    for (int stage = 1; stage <= 2; ++stage) {
        const Cpp_PiezometricLineList& list = *dataSet.PiezometricLines(stage);
        if (list.GetShowPoints()) DrawPiezometricPoints(list);
        if (list.GetShowLines()) DrawPiezometricLines(list);
    }
}

void DrawInterpolationPointsAndContours(Cpp_Kliven4DataSet& dataSet) {
    const s_DisplayFlagsType& flags = dataSet.DisplayFlags();
    // Kind 1 of both stages, kind 2 of both, kinds 3 and 4 of stage 1 then of stage 2, kind 5 of
    // both, kind 6 of both.
    const struct {
        int stage;
        int kind;
    } order[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {1, 4},
                 {2, 3}, {2, 4}, {1, 5}, {2, 5}, {1, 6}, {2, 6}};
    for (const auto& o : order) {
        Cpp_InterpolationData& data = *dataSet.InterpolationData(o.stage);
        DrawInterpolationPointSymbols(data, o.kind, flags);
        DrawInterpolationContourLines(data, o.kind, flags);
        DrawInterpolationContourLabels(data, o.kind, flags);
    }
}

void DrawInterpolationThirdPass(Cpp_Kliven4DataSet& dataSet) {
    DrawInterpolationValueLabels(*dataSet.InterpolationData(1), 1, dataSet.DisplayFlags());
}

void DrawPiezometricNumbersAndCoordinates(Cpp_Kliven4DataSet& dataSet) {
    for (int stage = 1; stage <= 2; ++stage) {
        Cpp_PiezometricLineList& list = *dataSet.PiezometricLines(stage);
        if (list.GetShowLineNumbers()) DrawPiezometricLineNumbers(list);
    }
    for (int stage = 1; stage <= 2; ++stage) {
        const Cpp_PiezometricLineList& list = *dataSet.PiezometricLines(stage);
        if (list.GetShowFlag31()) DrawPiezometricPointCoordinates(list);
    }
}
