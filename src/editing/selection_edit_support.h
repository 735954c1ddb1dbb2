#pragma once
// What the editing operations of a selected item share: the live entity a record refers to,
// found again in the model (null, or -1, when it is gone).

class Cpp_CrackPoint;
class Cpp_CrackPointList;
class Cpp_DistributedLoadData;
class Cpp_InterpolationData;
class Cpp_Kliven4DataSet;
class Cpp_InterpolationDataSet;
class Cpp_Line;
class Cpp_LineList;
class Cpp_LineLoad;
class Cpp_LineLoadList;
class Cpp_NoncircularShearSurface;
class Cpp_PointXY;
class Cpp_RadiusDefinition;
class Cpp_Selection;
class Cpp_TangentLine;
struct s_tagTypePointXY;

namespace selection_edit {

// The list of the line of a construction, profile, piezometric or reinforcement item.
Cpp_LineList* LineListOf(const Cpp_Selection& item);
// The line and the point (segment start) of the line kinds held as line and point node
// (construction, profile, piezometric, reinforcement, slope).
Cpp_Line* LineOf(const Cpp_Selection& item);
Cpp_PointXY* PointOf(const Cpp_Selection& item);
Cpp_InterpolationData* InterpolationOf(const Cpp_Selection& item);
Cpp_InterpolationDataSet* InterpolationSetOf(const Cpp_Selection& item);
// The index of the interpolation point the record's vertex stands for.
int InterpolationPointIndex(const Cpp_Selection& item);
Cpp_DistributedLoadData* DistributedLoadsOf(const Cpp_Selection& item);
int LoadPointIndex(const Cpp_Selection& item);
Cpp_LineLoadList* LineLoadsOf(const Cpp_Selection& item);
Cpp_LineLoad* LineLoadOf(const Cpp_Selection& item);
Cpp_CrackPointList* CrackListOf(const Cpp_Selection& item);
Cpp_CrackPoint* CrackPointOf(const Cpp_Selection& item);
Cpp_RadiusDefinition* RadiusDefinitionOf(const Cpp_Selection& item);
int RadiusDefinitionNumber(const Cpp_Selection& item);
// The analysis data's noncircular surface and the index of the record's point.
Cpp_NoncircularShearSurface* NoncircularOf(const Cpp_Selection& item, int& index);
// The tangent line of the analysis data (142, 144) or of a radius definition (96, 97) and the
// index of the record's point.
Cpp_TangentLine* TangentLineOf(const Cpp_Selection& item, int& index);

// Deletes the point at `at` of the item's interpolation data set (triangulated again) or of
// its stage's distributed loads; false when no point is there.
bool DeleteInterpolationPointAt(const Cpp_Selection& item, const s_tagTypePointXY& at);
bool DeleteLoadPointAt(const Cpp_Selection& item, const s_tagTypePointXY& at);

// Moves of one kind's point; false when the entity refused or is gone.
bool MoveInterpolationPoint(const Cpp_Selection& item, double x, double y);
bool MoveLoadPoint(const Cpp_Selection& item, double x, double y);
bool MoveLineLoad(const Cpp_Selection& item, double x, double y);
// The crack point to (x, value); true when the crack bottom (or water levels) changed.
bool MoveCrackPoint(const Cpp_Selection& item, double x, double value);
// Line points held as line and point node, noncircular and tangent-line points.
bool MoveLinePoint(const Cpp_Selection& item, double x, double y);
// The circle centre of the analysis mode (1 the given centre, 3 the start centre); the
// circles' end points follow.
void RecomputeCircle(Cpp_Kliven4DataSet* ds);
void SetCentre(Cpp_Kliven4DataSet& ds, double x, double y);

}  // namespace selection_edit
