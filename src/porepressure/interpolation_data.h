#pragma once
// Interpolation data: values given at scattered points (pore-water pressures, r-sub-u values,
// undrained strengths, c/p ratios, unit weights) from which a value anywhere is taken by linear
// interpolation over a Delaunay triangulation of the points. Each computation stage owns one
// Cpp_InterpolationData, which holds one data set per kind of value and material.
//
// Kinds: 1 pore-water pressure, 2 r-sub-u, 3 undrained strength, 4 anisotropic strength (three
// values), 5 c/p ratio, 6 unit weight. Material 0 means all materials.
// Sources of a kind's data: -1 none yet, 0 points entered, 1 a generic point file, 2 a
// GMS/SEEP2D export, 3 a SEEP/W export (2 and 3 for pressures only).
//
// The point list of a data set is the store that is checked and written; the vertex list is
// what is triangulated. After a reading the vertex lists are rebuilt from the points, then
// triangulated:
//     data.ReportDuplicatePoints(listing) && data.RebuildAllBackLinks() &&
//     data.TriangulateAll(listing) && data.ComputeAllBoundaries();

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "core/point_xy.h"
#include "porepressure/contours.h"
#include "porepressure/triangle.h"
#include "porepressure/triangulation_observer.h"
#include "porepressure/vertex.h"

// One point of a data set: x, y, its number, the values and the "new" mark of the latest read.
// A plain record (no list link, no slope cache): a big data set holds millions of them.
class Cpp_InterpolationPoint {
public:
    Cpp_InterpolationPoint(int number, double x, double y, double value, double value2,
                           double value3)
        : x_(x), y_(y), value_(value), value2_(value2), value3_(value3), number_(number) {}
    double X() const { return x_; }
    double Y() const { return y_; }
    s_tagTypePointXY XY() const { return {x_, y_}; }
    void Set(double x, double y) {
        x_ = x;
        y_ = y;
    }
    // x := a x + b, y := c y + d.
    void Transform(double a, double b, double c, double d) {
        x_ = a * x_ + b;
        y_ = c * y_ + d;
    }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    double Value() const { return value_; }
    double Value2() const { return value2_; }
    double Value3() const { return value3_; }
    void SetValue(double v) { value_ = v; }
    bool IsNew() const { return (flags_ & 1u) != 0; }
    void SetNew(bool on) { flags_ = on ? (flags_ | 1u) : (flags_ & ~1u); }
    // Read by the import after opening: the document leaves it to the file it came from.
    bool IsImported() const { return (flags_ & 2u) != 0; }
    void SetImported(bool on) { flags_ = on ? (flags_ | 2u) : (flags_ & ~2u); }

private:
    double x_;
    double y_;
    double value_;
    double value2_;
    double value3_;
    int number_;
    std::uint8_t flags_ = 0;
};

// A point as the point tables edit it.
struct InterpolationPtType {
    double x = 0.0;
    double y = 0.0;
    double value = 0.0;
    int material = 0;
};

// The texts and decimals that go with a kind.
struct s_InterpolationKindText {
    const char* column;  // column text of the echo tables
    const char* title;   // long title
    const char* header;  // kind header of the written block
};
const s_InterpolationKindText& InterpolationKindText(int kind);
// The preference decimals a kind's values are printed with.
int InterpolationKindDecimals(int kind);

class Cpp_InterpolationDataSet {
public:
    Cpp_InterpolationDataSet(int kind, int material) : kind_(kind), material_(material) {}
    ~Cpp_InterpolationDataSet();
    Cpp_InterpolationDataSet(const Cpp_InterpolationDataSet&) = delete;
    Cpp_InterpolationDataSet& operator=(const Cpp_InterpolationDataSet&) = delete;

    int Kind() const { return kind_; }
    int Material() const { return material_; }
    Cpp_TriangleList& GetTriangleList() { return triangles_; }
    Cpp_VertexList& GetVertexList() { return vertices_; }
    Cpp_VertexList& GetHullList() { return hull_; }
    Cpp_Contours& GetContours() { return contours_; }
    const std::vector<Cpp_InterpolationPoint>& Points() const { return points_; }
    std::vector<Cpp_InterpolationPoint>& Points() { return points_; }
    int CountPoints() const { return static_cast<int>(points_.size()); }
    Cpp_InterpolationPoint* GetLastPoint() { return points_.empty() ? nullptr : &points_.back(); }

    // Number 0 gives the point count + 1.
    Cpp_InterpolationPoint& AppendPoint(int number, double x, double y, double value,
                                        double value2 = 0.0, double value3 = 0.0);
    // A point entered with the tool: appended, and inserted into the triangulation at once; the
    // observer (when given) follows the insertion step by step.
    bool AddPoint(double x, double y, double value, TriangulationObserver* observer = nullptr);
    bool HasNoPointAt(double x, double y) const;

    // Duplicate points (exactly equal x and y): an equal-valued later point is deleted when
    // deleteEqual (4850), a conflicting pair is reported (4860) and makes the set inconsistent.
    // Returns the consistent flag; the vertex list is left to the caller.
    bool DeleteDuplicatePoints(short stage, std::FILE* echo, bool deleteEqual);
    bool DuplicatesTested() const { return tested_; }
    bool IsConsistent() const { return consistent_; }
    bool PointsDeleted() const { return pointsDeleted_; }
    // Duplicate check when not yet done, then the Delaunay triangulation of the vertices;
    // false with message 4980 when it fails, false without one for an inconsistent set.
    bool Triangulate(short stage = 0, std::FILE* echo = nullptr);
    // The value of the plane through the containing triangle (the head when useSecondValue);
    // start is where the search begins and becomes the triangle found. False and 0 outside.
    bool ValueAt(double x, double y, double& value, Cpp_Triangle*& start,
                 bool useSecondValue) const;
    // The hull list := the convex hull of the vertices.
    void ComputeBoundary();
    bool GetExtents(double& xmin, double& xmax, double& ymin, double& ymax) const;
    void PrintPoints(std::FILE* echo, int coordinateDecimals, int stressDecimals, int rSubUDecimals,
                     int cpDecimals) const;

    // Head mode of a pressure data set: values shown, edited and interpolated as total head.
    bool GetOptionFlag() const { return headMode_; }
    void SetOptionFlag(bool head);
    void ToggleOptionFlag() { SetOptionFlag(!headMode_); }
    bool IsDisplayed() const { return displayed_; }
    void SetDisplayed(bool on) { displayed_ = on; }

    // The vertex list from the points (numbers 1, 2, ...), registered for the tolerance.
    void RebuildVertices();
    // The point list from the vertices (pressure from head in head mode).
    void RebuildPoints(double unitWeightOfWater);
    void Clear();

private:
    int kind_;
    int material_;
    bool tested_ = false;
    bool consistent_ = false;
    bool pointsDeleted_ = false;
    bool headMode_ = false;
    bool displayed_ = true;
    std::vector<Cpp_InterpolationPoint> points_;
    Cpp_TriangleList triangles_;
    Cpp_VertexList vertices_;
    Cpp_VertexList hull_;
    Cpp_Contours contours_;
};

class Cpp_InterpolationData {
public:
    class Exc_BadStage {};

    // The external source of a kind's data.
    struct s_SourceRecord {
        int source = -1;
        std::string fileName;
        bool importToPreprocessor = false;
    };
    // Source records: pressure, r-sub-u, strength (kinds 3 and 4), c/p, unit weight.
    enum { kPressure = 0, kRSubU = 1, kStrength = 2, kCOverP = 3, kUnitWeight = 4, kRecords = 5 };
    static int RecordOfKind(int kind);

    Cpp_InterpolationData() = default;
    Cpp_InterpolationData(const Cpp_InterpolationData&) = delete;
    Cpp_InterpolationData& operator=(const Cpp_InterpolationData&) = delete;

    // Pick filter of a stage (1 or 2; another stage answers false): points and triangles of
    // pressures (kind 1), r-sub-u values (2), strengths (3, 4) and of the remaining kinds; all
    // on at start. SetPickFilter sets the first six and turns the remaining kinds off.
    static void SetPickFilter(int stage, bool pressurePoints, bool pressureTriangles,
                              bool rSubUPoints, bool rSubUTriangles, bool strengthPoints,
                              bool strengthTriangles);
    static bool GetPickPoints(int stage, int kind);
    static bool GetPickTriangles(int stage, int kind);
    static bool GetPickPressurePoints(int stage) { return GetPickPoints(stage, 1); }
    static bool GetPickRSubUPoints(int stage) { return GetPickPoints(stage, 2); }
    static bool GetPickStrengthPoints(int stage) { return GetPickPoints(stage, 3); }
    static bool GetPickOtherPoints(int stage) { return GetPickPoints(stage, 5); }
    static bool GetPickPressureTriangles(int stage) { return GetPickTriangles(stage, 1); }
    static bool GetPickRSubUTriangles(int stage) { return GetPickTriangles(stage, 2); }
    static bool GetPickStrengthTriangles(int stage) { return GetPickTriangles(stage, 3); }
    static bool GetPickOtherTriangles(int stage) { return GetPickTriangles(stage, 5); }
    static void ResetPickFilter();

    short GetStage() const { return stage_; }
    // 1 or 2 (else Exc_BadStage); takes the stage's default display flags.
    void SetStage(short stage);
    void ApplyDefaultDisplayFlags();

    const std::vector<std::unique_ptr<Cpp_InterpolationDataSet>>& DataSets() const { return sets_; }
    Cpp_InterpolationPoint* AddPointToDataSet(int kind, int material, double x, double y,
                                              double value, double value2, double value3,
                                              Cpp_InterpolationDataSet*& receiving);
    Cpp_InterpolationDataSet* CreateDataSet(int kind, int material);
    // Exactly (kind, material), else the first data set of the kind, else null.
    Cpp_InterpolationDataSet* FindDataSet(int kind, int material) const;
    int CountPoints(int kind) const;
    int CountAllPoints() const;
    bool HasDataOfKind(int kind) const;
    void DeleteAllDataSets();
    // Every data set, the source records and the decimals seen.
    void ClearAll();
    void DeleteDataSetsOfKind(int kind);

    bool ReportDuplicatePoints(std::FILE* echo);
    bool Check(int stage, std::FILE* echo);
    bool RebuildAllBackLinks();
    bool TriangulateAll(std::FILE* echo);
    bool ComputeAllBoundaries();
    bool GetExtents(double& xmin, double& xmax, double& ymin, double& ymax) const;
    static double UnitWeightOfWater();

    s_SourceRecord& Source(int record) { return sources_[record]; }
    const s_SourceRecord& Source(int record) const { return sources_[record]; }
    // A kind's data come from a file (pressures: any of the three file sources).
    bool KindFromFile(int kind) const;
    bool PressureFromFile() const { return KindFromFile(1); }
    bool RSubUFromFile() const { return KindFromFile(2); }
    bool StrengthFromFile() const { return KindFromFile(3); }
    bool COverPFromFile() const { return KindFromFile(5); }
    bool PressureIsByMaterial() const { return PressureFromFile(); }
    bool RSubUIsByMaterial() const { return RSubUFromFile(); }
    bool StrengthIsByMaterial() const { return StrengthFromFile(); }
    bool COverPIsByMaterial() const { return COverPFromFile(); }
    int LargestDecimalsSeen() const { return maxDecimals_; }
    void NoteDecimalsSeen(int decimals) {
        if (decimals > maxDecimals_) maxDecimals_ = decimals;
    }

    // The table of one kind's points of this stage (interpolation_table_dialog.h): on OK the
    // kind's data sets are replaced by the table's points, grouped by material, the chosen
    // point file is recorded for the next reading, and the stage is triangulated again; true.
    // Cancel changes nothing.
    bool EditWithGridDialog(int kind);
    // The same through the list-style window of data-entry style 1 ("Interpolation Data",
    // interpolation_table_dialog.h); the points of pressures are listed with an unknown source.
    bool EditWithInputDialog(int kind);

    // The INT block of this stage (the command line already read); false after a message.
    bool ReadInput(std::FILE* input, std::FILE* echo, bool echoFlag, WindowHandle parent = nullptr);
    // The document form: the points of the kinds whose data are entered (kinds read from files
    // come back through the external-file records).
    bool WriteKLIVEN4InputDataFile(std::FILE* file);
    // The computation-input form: "FILE", "SEEP2D" and "SEEPW" lines for the kinds read from
    // files, the points of the others.
    bool WriteKLIVEN4InputDataFileWithFileNames(std::FILE* file) const;
    // One stage's three external-file records (pressure, r-sub-u, strength).
    bool WriteExternalFileParameters(std::FILE* file) const;
    bool CheckExternalFileSources(std::FILE* input);
    bool ReadExternalSource(std::FILE* input, int record);
    // After a file was read: offers to read every file whose import flag is set.
    bool ImportExternalFiles(std::FILE* echo, WindowHandle parent = nullptr);

    // The point files.
    bool ReadSeep2dFile(const std::string& name, std::FILE* echo, bool echoFlag,
                        WindowHandle parent = nullptr);
    bool ReadSeepwFile(const std::string& name, std::FILE* echo, bool echoFlag,
                       WindowHandle parent = nullptr);
    bool ReadExternalFile(const std::string& name, std::FILE* echo, bool echoFlag,
                          WindowHandle parent = nullptr);
    // Opens a point file: a relative name in the folder of the current input file.
    static bool OpenExternalFile(const std::string& name, std::string& nameUsed, std::FILE*& file);
    static int CountDecimals(const std::string& line);

    // Display flags: the points, value labels, contours and triangles of a kind, and whether all
    // data sets of a kind are drawn.
    bool GetDisplayFlagByKind(int kind) const;
    void SetDisplayFlagByKind(int kind, bool on);
    static void GetDefaultDisplayFlags(int stage, bool flags[5]);
    static void SetDefaultDisplayFlags(int stage, const bool flags[5]);

private:
    // The table (list false) or the list window of one kind's points, with one result.
    bool EditPoints(int kind, bool list);
    void MarkAllPointsOld();
    void MarkNewPointsImported();
    void PrintSummary() const;
    // Opens a point file, asking for another when it cannot be opened; false after 4720/4770.
    bool OpenWithQuestion(const std::string& name, int dialogKind, const std::string& inputLine,
                          WindowHandle parent, std::string& nameUsed, std::FILE*& file);
    // The kind sections of the INT block or of a generic point file, from file.
    enum class SectionMode { Block, FileLine, Import };
    // pending: a kind line already read from file, handled first.
    bool ReadKindSections(std::FILE* file, bool echoFlag, SectionMode mode,
                          const std::string& fileName, const std::string* pending);
    bool ReadSeepageFile(bool seepw, const std::string& name, std::FILE* echo, bool echoFlag,
                         WindowHandle parent);
    // skipImported: points read by the import after opening are left to their file.
    bool WritePointsOfKinds(std::FILE* file, const std::vector<int>& kinds, int coordinateDecimals,
                            bool skipImported, bool& headerWritten) const;
    bool KindWrittenAsPoints(int kind) const;

    short stage_ = 0;
    std::vector<std::unique_ptr<Cpp_InterpolationDataSet>> sets_;
    s_SourceRecord sources_[kRecords];
    int maxDecimals_ = 0;
    bool displayFlags_[5] = {true, true, true, true, true};
};
