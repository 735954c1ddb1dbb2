#pragma once
// Painting the problem view in parts: the picture of the data (the axes, the data set, the
// construction items and the grid), which the view keeps between paints, and the marks the screen
// draws over that picture (selection marks, navigation figures, tool feedback).

#include "platform/device_context.h"

class Cpp_Kliven4DataSet;

enum class e_ViewLayers { All, Data, Marks };

// PaintProblemView (model/view_painting.h) drawing only the given layers. Never throws.
void PaintProblemViewLayers(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                            Cpp_Kliven4DataSet* dataSet, int outputMode, int unitSystem,
                            e_ViewLayers layers);
