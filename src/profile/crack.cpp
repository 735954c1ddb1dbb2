#include "profile/crack.h"
#include "profile/profile_state.h"

#include "core/geometry.h"
#include "core/preferences.h"
#include "core/text_exception.h"
#include "core/world_rect.h"

#include <algorithm>
#include <cmath>

namespace {

bool g_crackPoints = true;
bool g_crackSegments = true;
bool g_waterPoints = true;
bool g_waterSegments = true;

}  // namespace

void ResetCrackPickFilters() {
    g_crackPoints = g_crackSegments = g_waterPoints = g_waterSegments = true;
}

double Cpp_CrackPoint::Slope() const {
    if (!next_) throw Exc_AttemptToUseSlopeBeyondSegment();
    if (next_->x_ == x_) throw Exc_AttempToUseVerticalSlope();
    return (next_->value_ - value_) / (next_->x_ - x_);
}

Cpp_CrackPointList& Cpp_CrackPointList::operator=(const Cpp_CrackPointList& other) {
    if (this != &other) {
        Clear();
        for (const Cpp_CrackPoint* p = other.head_; p; p = p->Next())
            AddPoint(p->X(), p->Value())->SetNumber(p->Number());
    }
    return *this;
}

Cpp_CrackPoint* Cpp_CrackPointList::AddPoint(double x, double value) {
    auto* node = new Cpp_CrackPoint(x, value);
    if (!head_) {
        head_ = node;
    } else {
        Cpp_CrackPoint* last = head_;
        while (last->Next()) last = last->Next();
        last->SetNext(node);
    }
    return node;
}

void Cpp_CrackPointList::Clear() {
    Cpp_CrackPoint* p = head_;
    while (p) {
        Cpp_CrackPoint* next = p->Next();
        delete p;
        p = next;
    }
    head_ = nullptr;
}

void Cpp_CrackPointList::DeletePoint(Cpp_CrackPoint* point) {
    if (Count() <= 2) {
        Clear();
        return;
    }
    Cpp_CrackPoint* previous = nullptr;
    for (Cpp_CrackPoint* p = head_; p; previous = p, p = p->Next()) {
        if (p != point) continue;
        if (previous)
            previous->SetNext(p->Next());
        else
            head_ = p->Next();
        delete p;
        return;
    }
}

void Cpp_CrackPointList::Renumber() {
    int n = 0;
    for (Cpp_CrackPoint* p = head_; p; p = p->Next()) p->SetNumber(++n);
}

int Cpp_CrackPointList::Count() const {
    int n = 0;
    for (const Cpp_CrackPoint* p = head_; p; p = p->Next()) ++n;
    return n;
}

bool Cpp_CrackPointList::ValueAt(double x, double& value) const {
    for (const Cpp_CrackPoint* p = head_; p && p->Next(); p = p->Next()) {
        const Cpp_CrackPoint* q = p->Next();
        if (!(p->X() <= x && x <= q->X())) continue;
        value = p->X() < q->X() ? p->Value() + p->Slope() * (x - p->X())
                                : std::min(p->Value(), q->Value());
        return true;
    }
    return false;
}

void Cpp_Crack::Initialize() {
    unitWeightOfWater_ = Cpp_KlivenSettings::UnitWeightOfWater();
    crackOption_ = waterOption_ = 0;
    crackConstant_ = waterConstant_ = 0.0;
    showCrack_ = showWater_ = true;
}

double Cpp_Crack::CrackDepth(double x) const {
    switch (crackOption_) {
    case 0: return 0.0;
    case 1: return crackConstant_;
    case 3: {
        double depth = 0.0;
        return crackPoints_.ValueAt(x, depth) ? depth : 0.0;
    }
    default: throw Cpp_TextException("Illegal call to Cpp_Crack::CrackDepth");
    }
}

bool Cpp_Crack::CrackBottomElevation(double x, double& y) const {
    y = 0.0;
    if (crackOption_ == 2) {
        y = crackConstant_;
        return true;
    }
    if (crackOption_ == 4) return crackPoints_.ValueAt(x, y);
    return false;
}

double Cpp_Crack::WaterDepth(double x) const {
    switch (waterOption_) {
    case 0: return 0.0;
    case 1: return waterConstant_;
    case 3: {
        double depth = 0.0;
        return waterPoints_.ValueAt(x, depth) ? depth : 0.0;
    }
    case 2:
    case 4: throw Exc_WrongWaterDepthOption();
    default: throw Exc_NoWaterDepthOption();
    }
}

bool Cpp_Crack::WaterSurfaceElevation(double x, double& y) const {
    y = 0.0;
    switch (waterOption_) {
    case 0: return false;
    case 2: y = waterConstant_; return true;
    case 4: return waterPoints_.ValueAt(x, y);
    case 1:
    case 3: throw Exc_WrongWaterDepthOption();
    default: throw Exc_NoWaterDepthOption();
    }
}

bool Cpp_Crack::GetCrackPointExtents(double& xmin, double& xmax, double& ymin, double& ymax) const {
    Cpp_Extents extents;
    auto grow = [&](const Cpp_CrackPointList& list) {
        for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next())
            extents.Add(p->X(), p->Value());
    };
    if (crackOption_ == 4) grow(crackPoints_);
    if (waterOption_ == 4) grow(waterPoints_);
    return extents.Get(xmin, xmax, ymin, ymax);
}

Cpp_CrackPoint* Cpp_Crack::HitTestPoint(bool water, s_PickType& pick) const {
    const int option = water ? waterOption_ : crackOption_;
    if (option != 4) return nullptr;
    Cpp_CrackPoint* result = nullptr;
    for (Cpp_CrackPoint* p = (water ? waterPoints_ : crackPoints_).Head(); p; p = p->Next()) {
        if (!IsInPickBox(pick, p->X(), p->Value())) continue;
        const double d = DistanceSquared(pick.x, pick.y, p->X(), p->Value());
        // A point leaves no secondary distance: an equally near line point never replaces it.
        if (AcceptNearerCandidate(pick, d, 0.0, e_PickTie::KeepEarlier)) result = p;
    }
    return result;
}

Cpp_CrackPoint* Cpp_Crack::HitTestSegment(bool water, s_PickType& pick) const {
    const int option = water ? waterOption_ : crackOption_;
    if (option != 4) return nullptr;
    Cpp_CrackPoint* result = nullptr;
    int number = 0;
    for (Cpp_CrackPoint* p = (water ? waterPoints_ : crackPoints_).Head(); p && p->Next();
         p = p->Next()) {
        ++number;
        const Cpp_CrackPoint* q = p->Next();
        const double t =
            PointSegmentDistanceCoords(pick.x, pick.y, p->X(), p->Value(), q->X(), q->Value());
        if (!(t < pick.tolerance)) continue;
        if (AcceptNearerSegment(pick, t, number)) result = p;
    }
    return result;
}

void Cpp_Crack::SetPickFilter(bool points, bool segments) {
    g_crackPoints = points;
    g_crackSegments = segments;
}
void Cpp_Crack::SetWaterPickFilter(bool points, bool segments) {
    g_waterPoints = points;
    g_waterSegments = segments;
}
bool Cpp_Crack::GetCrackPointsPickable() { return g_crackPoints; }
bool Cpp_Crack::GetCrackSegmentsPickable() { return g_crackSegments; }
bool Cpp_Crack::GetWaterPointsPickable() { return g_waterPoints; }
bool Cpp_Crack::GetWaterSegmentsPickable() { return g_waterSegments; }
