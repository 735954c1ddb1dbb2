#pragma once
// The information page of a selected material label (selection type 68) or material region
// (type 72) of a profile line: the line, its material number and description, then the
// material's properties (both stages for a multi-stage data set).

class Cpp_Kliven4DataSet;
class Cpp_ProfileLine;

// False for any other selection type; true (adding nothing) when the information window does
// not exist.
bool AddMaterialInformation(const Cpp_Kliven4DataSet& dataSet, int selectionType,
                            const Cpp_ProfileLine& line);
