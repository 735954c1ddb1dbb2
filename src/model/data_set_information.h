#pragma once
// The information page of a selected material label (selection type 68) or material region
// (type 72) of a profile line: the line, its material number and description, then the
// material's properties (both stages for a multi-stage data set).

#include <string>
#include <vector>

class Cpp_Kliven4DataSet;
class Cpp_ProfileLine;

// What the material tool opens for a click: the profile line, the lines that share its material
// (at most ten, with a mark when more do), and whether the material exists (otherwise the
// description a new material gets; it is added only when its dialog ends with OK).
struct s_MaterialAtPoint {
    const Cpp_ProfileLine* line = nullptr;
    int material = 0;
    std::vector<int> lineNumbers;
    bool moreLines = false;
    bool exists = false;
    std::string newDescription;
};

// The line is the only one, else the one whose segment is nearest within the tolerance (one
// pixel in world units), else the line above the point. False when there is none.
bool FindMaterialAtPoint(const Cpp_Kliven4DataSet& dataSet, double x, double y, double tolerance,
                         s_MaterialAtPoint& result);

// The material tool's click at (x, y): the dialog of the material of the profile line found
// there (FindMaterialAtPoint), for the current stage. A material that does not exist yet is
// edited as a new one with its proposed description and joins the list only on OK. True after
// OK (the caller marks the document modified); false after Cancel or with no profile line.
bool EditMaterialAtPoint(Cpp_Kliven4DataSet& dataSet, double x, double y, double tolerance);

// False for any other selection type; true (adding nothing) when the information window does
// not exist.
bool AddMaterialInformation(const Cpp_Kliven4DataSet& dataSet, int selectionType,
                            const Cpp_ProfileLine& line);
