#pragma once
// The commands that generate the reinforcement lines of a data set from its soil nails or its
// geogrids, with the slope line and (for geogrids) the overburden of its profile lines.

#include "core/message_boxes.h"

class Cpp_Kliven4DataSet;

// "Generate Reinforcement for Nails": true when the lines were generated.
bool GenerateNailReinforcement(Cpp_Kliven4DataSet& dataSet, WindowHandle parent);
// "Generate Reinforcement for Geogrids": refused with a message while a profile line has no
// material properties; true when the lines were generated.
bool GenerateGeogridReinforcement(Cpp_Kliven4DataSet& dataSet, WindowHandle parent);
