#pragma once
// What runs before the layers are drawn, each paint: subsystems that place labels per mapping
// (the material labels of the profile) register here; the painting of the view runs them.
// Beside them, what the painting draws after the data set, step by step (construction items,
// selection marks, navigation figures, tool feedback).

#include "platform/device_context.h"

class Cpp_Kliven4DataSet;

using ViewPreparation = void (*)(Cpp_Kliven4DataSet& dataSet);
// Adds a preparation; one registered twice runs once.
void RegisterViewPreparation(ViewPreparation preparation);
// Runs every preparation in registration order; one that fails is skipped. Never throws.
void RunViewPreparations(Cpp_Kliven4DataSet& dataSet);

// The steps drawn after the data set, in this order. Construction items come before the snap
// grid and in every output mode; the other steps follow the grid and are drawn on the screen
// only (the painting never runs them for the printer or the clipboard picture).
enum class e_AfterDataStep {
    ConstructionItems,  // construction lines and circles
    SelectionMarks,     // the inverting highlights of the selected items
    NavigationFigures,  // zoom box, cross-hair, band of the view input
    ToolFeedback,       // what an entry tool shows while it runs
};
constexpr int kAfterDataStepCount = 4;

// Draws one step on dc; the data set is null when there is none. The drawing context is also
// Cpp_Graphics' current one, in the painting's output mode.
using AfterDataDrawing = void (*)(platform::DeviceContext& dc, Cpp_Kliven4DataSet* dataSet);
// Adds a drawing to a step; within a step drawings run in registration order; one registered
// twice for the same step runs once.
void RegisterAfterDataDrawing(e_AfterDataStep step, AfterDataDrawing drawing);
// Runs the drawings of one step; one that throws is skipped. Never throws.
void RunAfterDataDrawings(e_AfterDataStep step, platform::DeviceContext& dc,
                          Cpp_Kliven4DataSet* dataSet);
// Removes a drawing from a step (tests, and owners that stop drawing).
void UnregisterAfterDataDrawing(e_AfterDataStep step, AfterDataDrawing drawing);
