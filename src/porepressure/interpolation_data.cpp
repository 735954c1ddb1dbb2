#include "porepressure/interpolation_data.h"
#include "porepressure/porepressure_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/kliven4_messages.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_exception.h"
#include "core/world_rect.h"
#include "porepressure/delaunay.h"
#include "porepressure/porepressure_messages.h"

namespace {

bool g_defaultFlags[2][5] = {{true, true, true, true, true}, {true, true, true, true, true}};

}  // namespace

void ResetInterpolationDisplayDefaults() {
    for (auto& stage : g_defaultFlags)
        for (bool& flag : stage) flag = true;
}

const s_InterpolationKindText& InterpolationKindText(int kind) {
    static const s_InterpolationKindText texts[] = {
        {" Pore Pressure  ", "Pore Pressure", "Pressure values"},
        {" R-sub-U        ", "Pore Pressure Coefficient (R-sub-U)", "R-sub-u values-"},
        {" Shear Strength ", "Shear Strength", "Strength values"},
        {"  Anisotropic Shear Strength  ", "Anisotropic Shear Strength",
         "Anisotropic strength values"},
        {"  C/P ratio              ", "C/P ratio", "C/P values"},
        {"  Unit Weight            ", "Unit Weight", "Unit weight values"},
    };
    return texts[(kind >= 1 && kind <= 6) ? kind - 1 : 0];
}

int InterpolationKindDecimals(int kind) {
    const s_OutputSettings s = CurrentOutputSettings();
    switch (kind) {
    case 2: return s.rSubUDecimals;
    case 5: return s.cpRatioDecimals;
    case 6: return s.unitWeightDecimals;
    default: return s.stressDecimals;
    }
}

// ---------------------------------------------------------------------------------------------
// Cpp_InterpolationDataSet

Cpp_InterpolationDataSet::~Cpp_InterpolationDataSet() { Clear(); }

namespace {

// The coordinates as the hash sees them: equal doubles give equal keys (0.0 and -0.0 too).
std::uint64_t CoordinateKey(double v) {
    if (v == 0.0) v = 0.0;
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

std::uint64_t MixKeys(std::uint64_t x, std::uint64_t y) {
    std::uint64_t h = x * 0x9E3779B97F4A7C15ULL ^ (y + 0x632BE59BD9B4E019ULL + (x << 6) + (x >> 2));
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 29;
    return h;
}

// For each point, the first point (in list order) with the same coordinates: itself when no
// earlier point has them. Linear in the number of points.
std::vector<std::uint32_t>
FirstOfEqualCoordinates(const std::vector<Cpp_InterpolationPoint>& points) {
    const std::size_t n = points.size();
    std::vector<std::uint32_t> heads(n);
    std::size_t size = 16;
    while (size < 2 * n) size <<= 1;
    const std::uint32_t kEmpty = 0xFFFFFFFFu;
    std::vector<std::uint32_t> table(size, kEmpty);
    const std::size_t mask = size - 1;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = points[i].X(), y = points[i].Y();
        std::size_t slot = MixKeys(CoordinateKey(x), CoordinateKey(y)) & mask;
        for (;;) {
            const std::uint32_t held = table[slot];
            if (held == kEmpty) {
                table[slot] = static_cast<std::uint32_t>(i);
                heads[i] = static_cast<std::uint32_t>(i);
                break;
            }
            if (points[held].X() == x && points[held].Y() == y) {
                heads[i] = held;
                break;
            }
            slot = (slot + 1) & mask;
        }
    }
    return heads;
}

}  // namespace

Cpp_InterpolationPoint& Cpp_InterpolationDataSet::AppendPoint(int number, double x, double y,
                                                              double value, double value2,
                                                              double value3) {
    if (number == 0) number = CountPoints() + 1;
    points_.emplace_back(number, x, y, value, value2, value3);
    return points_.back();
}

bool Cpp_InterpolationDataSet::AddPoint(double x, double y, double value,
                                        TriangulationObserver* observer) {
    const int number = CountPoints() + 1;
    AppendPoint(number, x, y, value, 0.0, 0.0);
    Cpp_VERTEX* v = vertices_.AddVertexWithValue(number, x, y, value);
    if (kind_ == 1) v->SetSecondValue(y + value / Cpp_InterpolationData::UnitWeightOfWater());
    v->SetUseSecondValue(vertices_.UsesSecondValue());
    UpdateToleranceExtents(&vertices_);
    Cpp_Triangle* t = triangles_.LocateByWalking(nullptr, x, y);
    if (t)
        insert_point_and_swap_edges_if_necessary(vertices_, triangles_, v, t, observer);
    else
        InsertPointOutsideHull(vertices_, triangles_, v, observer);
    return true;
}

bool Cpp_InterpolationDataSet::HasNoPointAt(double x, double y) const {
    for (const auto& p : points_)
        if (p.X() == x && p.Y() == y) return false;
    return true;
}

bool Cpp_InterpolationDataSet::DeleteDuplicatePoints(short stage, std::FILE* echo,
                                                     bool deleteEqual) {
    tested_ = true;
    consistent_ = true;
    pointsDeleted_ = false;
    const std::size_t n = points_.size();
    if (n < 2) return true;
    // Every point compared with every later one, found through a hash of the coordinates:
    // pairs only arise within a group of equal coordinates, and the messages keep the order of
    // that comparison (the events are sorted below).
    const std::vector<std::uint32_t> heads = FirstOfEqualCoordinates(points_);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> members;  // (group head, later point)
    for (std::size_t i = 0; i < n; ++i)
        if (heads[i] != i) members.emplace_back(heads[i], static_cast<std::uint32_t>(i));
    struct Event {
        std::size_t first, second;
        bool deleted;
    };
    std::vector<Event> events;
    std::vector<char> gone(n, 0);
    std::sort(members.begin(), members.end());
    std::vector<std::size_t> group;
    for (std::size_t i = 0; i < members.size();) {
        group.assign(1, members[i].first);
        std::size_t j = i;
        for (; j < members.size() && members[j].first == members[i].first; ++j)
            group.push_back(members[j].second);
        for (std::size_t a = 0; a < group.size(); ++a) {
            const std::size_t pa = group[a];
            if (gone[pa]) continue;
            for (std::size_t b = a + 1; b < group.size(); ++b) {
                const std::size_t pb = group[b];
                if (gone[pb]) continue;
                const bool equal = points_[pa].Value() == points_[pb].Value();
                if (equal && deleteEqual) {
                    gone[pb] = 1;
                    events.push_back({pa, pb, true});
                } else {
                    events.push_back({pa, pb, false});
                }
            }
        }
        i = j;
    }
    if (events.empty()) return true;
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.first, a.second) < std::tie(b.first, b.second);
    });
    if (echo) Cpp_DataErrorOutput::SetErrorFile(echo);
    for (const Event& e : events) {
        const auto& p1 = points_[e.first];
        const auto& p2 = points_[e.second];
        Cpp_PorePressureMessages::Message4860(kind_, e.deleted, stage, material_, p1.Number(),
                                              p1.X(), p1.Y(), p1.Value(), p2.Number(), p2.X(),
                                              p2.Y(), p2.Value());
        if (e.deleted)
            pointsDeleted_ = true;
        else
            consistent_ = false;
    }
    if (pointsDeleted_) {
        std::vector<Cpp_InterpolationPoint> kept;
        kept.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            if (!gone[i]) kept.push_back(points_[i]);
        points_.swap(kept);
    }
    return consistent_;
}

bool Cpp_InterpolationDataSet::Triangulate(short stage, std::FILE* echo) {
    if (!tested_) DeleteDuplicatePoints(stage, echo, true);
    if (!consistent_) return false;
    if (!TriangulatePoints(1, triangles_, vertices_, false)) {
        Cpp_PorePressureMessages::Message4980(kind_, material_);
        return false;
    }
    return true;
}

bool Cpp_InterpolationDataSet::ValueAt(double x, double y, double& value, Cpp_Triangle*& start,
                                       bool useSecondValue) const {
    Cpp_Triangle* t = triangles_.FindTriangleContaining(start, x, y);
    if (!t) {
        value = 0.0;
        return false;
    }
    start = t;
    double a, b, c, d;
    t->PlaneCoefficients(a, b, c, d, useSecondValue);
    if (c == 0.0) {
        value = 0.0;
        return false;
    }
    value = -(a * x + b * y + d) / c;
    return true;
}

void Cpp_InterpolationDataSet::ComputeBoundary() { BuildConvexHullList(vertices_, hull_); }

bool Cpp_InterpolationDataSet::GetExtents(double& xmin, double& xmax, double& ymin,
                                          double& ymax) const {
    Cpp_Extents extents;
    for (const auto& p : points_) extents.Add(p.X(), p.Y());
    return extents.Get(xmin, xmax, ymin, ymax);
}

void Cpp_InterpolationDataSet::PrintPoints(std::FILE* echo, int coordinateDecimals,
                                           int stressDecimals, int rSubUDecimals,
                                           int cpDecimals) const {
    SetOutputFileOnly(echo);
    int decimals = stressDecimals;
    if (kind_ == 2) decimals = rSubUDecimals;
    if (kind_ == 5) decimals = cpDecimals;
    if (kind_ == 6) decimals = CurrentOutputSettings().unitWeightDecimals;
    PrintNewLine();
    PrintText("Point                                                  Material", true);
    PrintText("  No.      X          Y          Variable               Type", true);
    PrintNewLine();
    for (const auto& p : points_) {
        PrintIndent();
        PrintInteger(p.Number(), 4);
        PrintDouble(p.X(), 11, coordinateDecimals);
        PrintDouble(p.Y(), 11, coordinateDecimals);
        PrintDouble(p.Value(), 12, decimals);
        PrintText(InterpolationKindText(kind_).column);
        PrintInteger(material_, 5, true);
    }
}

void Cpp_InterpolationDataSet::SetOptionFlag(bool head) {
    if (head == headMode_) return;
    const double gammaW = Cpp_InterpolationData::UnitWeightOfWater();
    for (Cpp_VERTEX* v = vertices_.First(); v; v = v->Next()) {
        if (head)
            v->SetSecondValue(v->Y() + v->FirstValue() / gammaW);
        else
            v->SetFirstValue(gammaW * (v->SecondValue() - v->Y()));
    }
    headMode_ = head;
}

void Cpp_InterpolationDataSet::RebuildVertices() {
    UnregisterVertexList(&vertices_);
    triangles_.DeleteAll();
    vertices_.DeleteAllVertices();
    const double gammaW = Cpp_InterpolationData::UnitWeightOfWater();
    int number = 0;
    for (const auto& p : points_) {
        Cpp_VERTEX* v = vertices_.AddVertex(++number, p.X(), p.Y(), p.Value());
        if (kind_ == 1 && gammaW != 0.0) v->SetSecondValue(p.Y() + p.Value() / gammaW);
    }
    vertices_.RebuildBackLinks();
    RegisterVertexList(&vertices_);
}

void Cpp_InterpolationDataSet::RebuildPoints(double unitWeightOfWater) {
    points_.clear();
    for (Cpp_VERTEX* v = vertices_.First(); v; v = v->Next()) {
        const double value =
            headMode_ ? unitWeightOfWater * (v->SecondValue() - v->Y()) : v->FirstValue();
        points_.emplace_back(v->Number(), v->X(), v->Y(), value, 0.0, 0.0);
    }
}

void Cpp_InterpolationDataSet::Clear() {
    points_.clear();
    triangles_.DeleteAll();
    UnregisterVertexList(&vertices_);
    UnregisterVertexList(&hull_);
    vertices_.DeleteAllVertices();
    hull_.DeleteAllVertices();
}

// ---------------------------------------------------------------------------------------------
// Cpp_InterpolationData

int Cpp_InterpolationData::RecordOfKind(int kind) {
    switch (kind) {
    case 1: return kPressure;
    case 2: return kRSubU;
    case 3:
    case 4: return kStrength;
    case 5: return kCOverP;
    default: return kUnitWeight;
    }
}

void Cpp_InterpolationData::SetStage(short stage) {
    if (stage != 1 && stage != 2) throw Exc_BadStage();
    stage_ = stage;
    ApplyDefaultDisplayFlags();
}

void Cpp_InterpolationData::ApplyDefaultDisplayFlags() {
    if (stage_ != 1 && stage_ != 2) return;
    std::copy(g_defaultFlags[stage_ - 1], g_defaultFlags[stage_ - 1] + 5, displayFlags_);
}

void Cpp_InterpolationData::GetDefaultDisplayFlags(int stage, bool flags[5]) {
    std::copy(g_defaultFlags[stage == 2 ? 1 : 0], g_defaultFlags[stage == 2 ? 1 : 0] + 5, flags);
}

void Cpp_InterpolationData::SetDefaultDisplayFlags(int stage, const bool flags[5]) {
    std::copy(flags, flags + 5, g_defaultFlags[stage == 2 ? 1 : 0]);
}

bool Cpp_InterpolationData::GetDisplayFlagByKind(int kind) const {
    return kind >= 1 && kind <= 5 ? displayFlags_[kind - 1] : false;
}

void Cpp_InterpolationData::SetDisplayFlagByKind(int kind, bool on) {
    if (kind >= 1 && kind <= 5) displayFlags_[kind - 1] = on;
}

Cpp_InterpolationPoint*
Cpp_InterpolationData::AddPointToDataSet(int kind, int material, double x, double y, double value,
                                         double value2, double value3,
                                         Cpp_InterpolationDataSet*& receiving) {
    Cpp_InterpolationDataSet* set = nullptr;
    if (receiving && receiving->Kind() == kind && receiving->Material() == material) {
        set = receiving;
    } else {
        for (const auto& s : sets_)
            if (s->Kind() == kind && s->Material() == material) {
                set = s.get();
                break;
            }
    }
    if (!set) set = CreateDataSet(kind, material);
    receiving = set;
    return &set->AppendPoint(0, x, y, value, value2, value3);
}

Cpp_InterpolationDataSet* Cpp_InterpolationData::CreateDataSet(int kind, int material) {
    sets_.push_back(std::make_unique<Cpp_InterpolationDataSet>(kind, material));
    return sets_.back().get();
}

Cpp_InterpolationDataSet* Cpp_InterpolationData::FindDataSet(int kind, int material) const {
    Cpp_InterpolationDataSet* first = nullptr;
    for (const auto& s : sets_) {
        if (s->Kind() != kind) continue;
        if (s->Material() == material) return s.get();
        if (!first) first = s.get();
    }
    return first;
}

int Cpp_InterpolationData::CountPoints(int kind) const {
    int count = 0;
    for (const auto& s : sets_)
        if (s->Kind() == kind) count += s->CountPoints();
    return count;
}

int Cpp_InterpolationData::CountAllPoints() const {
    int count = 0;
    for (const auto& s : sets_) count += s->CountPoints();
    return count;
}

bool Cpp_InterpolationData::HasDataOfKind(int kind) const {
    for (const auto& s : sets_)
        if (s->Kind() == kind) return true;
    return false;
}

void Cpp_InterpolationData::DeleteAllDataSets() {
    while (!sets_.empty()) sets_.pop_back();
}

void Cpp_InterpolationData::ClearAll() {
    DeleteAllDataSets();
    for (auto& record : sources_) record = s_SourceRecord();
    maxDecimals_ = 0;
}

void Cpp_InterpolationData::DeleteDataSetsOfKind(int kind) {
    sets_.erase(std::remove_if(sets_.begin(), sets_.end(),
                               [kind](const auto& s) { return s->Kind() == kind; }),
                sets_.end());
}

bool Cpp_InterpolationData::ReportDuplicatePoints(std::FILE* echo) {
    bool consistent = true;
    bool deleted = false;
    for (const auto& s : sets_) {
        if (!s->DeleteDuplicatePoints(stage_, echo, true)) {
            consistent = false;
            if (Cpp_KLIVEN4Messages::GetStatus() == 0) break;
        }
        deleted = deleted || s->PointsDeleted();
    }
    if (deleted)
        ShowMessageByKind("Error",
                          "Duplicate interpolation points were found and deleted.  See output "
                          "file.  (This error should never happen in files created by Dravonet, "
                          "but the error may occur with files created externally by other "
                          "programs)",
                          4);
    return consistent;
}

bool Cpp_InterpolationData::Check(int stage, std::FILE* echo) {
    if (stage != 1 && stage != 2)
        throw Cpp_TextException("EXCEPTION: Cpp_InterpolationData::Check");
    bool consistent = true;
    for (const auto& s : sets_) {
        if (!s->DeleteDuplicatePoints(static_cast<short>(stage), echo, true)) {
            consistent = false;
            if (Cpp_KLIVEN4Messages::GetStatus() == 0) break;
        }
    }
    if (!echo) return consistent;
    bool tableStarted = false;
    const s_OutputSettings d = CurrentOutputSettings();
    for (const auto& s : sets_) {
        if (!s->PointsDeleted()) continue;
        if (!tableStarted) {
            Cpp_OutputTable table(echo);
            table.SetTitleLine(
                1, stage == 2 ? "INTERPOLATION DATA - SECOND/THIRD-STAGE COMPUTATIONS"
                              : "INTERPOLATION DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS");
            table.SetTitleLine(2, "(Revised Data Sets with Points Deleted)");
            if (stage == 2)
                table.StartTable(21, 2, '2', true);
            else
                table.StartTable(20, 1, '*', true);
            tableStarted = true;
        }
        s->PrintPoints(echo, d.coordinateDecimals, d.stressDecimals, d.rSubUDecimals,
                       d.cpRatioDecimals);
    }
    return consistent;
}

bool Cpp_InterpolationData::RebuildAllBackLinks() {
    for (const auto& s : sets_) s->RebuildVertices();
    return true;
}

bool Cpp_InterpolationData::TriangulateAll(std::FILE* echo) {
    for (const auto& s : sets_)
        if (!s->Triangulate(stage_, echo)) return false;
    return true;
}

bool Cpp_InterpolationData::ComputeAllBoundaries() {
    for (const auto& s : sets_) s->ComputeBoundary();
    return true;
}

bool Cpp_InterpolationData::GetExtents(double& xmin, double& xmax, double& ymin,
                                       double& ymax) const {
    Cpp_Extents extents;
    for (const auto& s : sets_) {
        double a, b, c, d;
        if (s->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    }
    return extents.Get(xmin, xmax, ymin, ymax);
}

double Cpp_InterpolationData::UnitWeightOfWater() {
    return Cpp_KlivenSettings::UnitWeightOfWater();
}

bool Cpp_InterpolationData::KindFromFile(int kind) const {
    const int source = sources_[RecordOfKind(kind)].source;
    return kind == 1 ? (source >= 1 && source <= 3) : source == 1;
}

void Cpp_InterpolationData::MarkAllPointsOld() {
    for (const auto& s : sets_)
        for (auto& p : s->Points()) p.SetNew(false);
}

void Cpp_InterpolationData::MarkNewPointsImported() {
    for (const auto& s : sets_)
        for (auto& p : s->Points())
            if (p.IsNew()) p.SetImported(true);
}

void Cpp_InterpolationData::PrintSummary() const {
    long fresh = 0, old = 0;
    for (const auto& s : sets_)
        for (const auto& p : s->Points()) (p.IsNew() ? fresh : old)++;
    PrintNewLine();
    PrintIntegerWithText(fresh, "Number of new interpolation points read: ", "\n", 1);
    PrintIntegerWithText(old, "Number of old interpolation points retained: ",
                         old >= 1 ? " (See earlier output tables).\n" : "\n", 1);
}

namespace {

// Per stage: points then triangles of pressures, r-sub-u, strengths, the remaining kinds.
bool g_pickPoints[2][4] = {{true, true, true, true}, {true, true, true, true}};
bool g_pickTriangles[2][4] = {{true, true, true, true}, {true, true, true, true}};

int PickGroup(int kind) {
    switch (kind) {
    case 1: return 0;
    case 2: return 1;
    case 3:
    case 4: return 2;
    default: return 3;
    }
}

}  // namespace

void Cpp_InterpolationData::SetPickFilter(int stage, bool pressurePoints, bool pressureTriangles,
                                          bool rSubUPoints, bool rSubUTriangles,
                                          bool strengthPoints, bool strengthTriangles) {
    if (stage != 1 && stage != 2) return;
    bool* points = g_pickPoints[stage - 1];
    bool* triangles = g_pickTriangles[stage - 1];
    points[0] = pressurePoints;
    triangles[0] = pressureTriangles;
    points[1] = rSubUPoints;
    triangles[1] = rSubUTriangles;
    points[2] = strengthPoints;
    triangles[2] = strengthTriangles;
    points[3] = triangles[3] = false;
}

bool Cpp_InterpolationData::GetPickPoints(int stage, int kind) {
    return (stage == 1 || stage == 2) && g_pickPoints[stage - 1][PickGroup(kind)];
}

bool Cpp_InterpolationData::GetPickTriangles(int stage, int kind) {
    return (stage == 1 || stage == 2) && g_pickTriangles[stage - 1][PickGroup(kind)];
}

void Cpp_InterpolationData::ResetPickFilter() {
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < 4; ++g) g_pickPoints[s][g] = g_pickTriangles[s][g] = true;
}
