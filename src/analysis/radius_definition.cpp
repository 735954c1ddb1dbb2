#include "analysis/radius_definition.h"

#include <cmath>
#include <ostream>

#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/world_rect.h"

Cpp_RadiusDefinition Cpp_RadiusDefinition::WithOption(int option) {
    Cpp_RadiusDefinition d;
    d.SetOption(option);
    return d;
}

double Cpp_RadiusDefinition::GetGivenRadius() const {
    if (option_ != kGivenRadius) throw Exc_RadiusDefinitionOptionNotGivenRadius();
    return radius_;
}

s_tagTypePointXY Cpp_RadiusDefinition::GetFixedPoint() const {
    if (option_ != kFixedPoint) throw Exc_RadiusDefinitionOptionNotFixedPoint();
    return point_;
}

double Cpp_RadiusDefinition::RadiusForCenter(double x, double y) const {
    switch (option_) {
    case kGivenRadius: return radius_;
    case kFixedPoint:
        return std::sqrt((y - point_.y) * (y - point_.y) + (x - point_.x) * (x - point_.x));
    case kTangentLine: return tangent_.GetRadius(x, y);
    default: throw Exc_BadRadiusDefinitionOption();
    }
}

double Cpp_RadiusDefinition::RadiusAt(double x, double y) const {
    if (option_ < kGivenRadius || option_ > kTangentLine) return 0.0;
    if (option_ == kTangentLine && tangent_.GetOption() == Cpp_TangentLine::kUndefined) return 0.0;
    return RadiusForCenter(x, y);
}

bool Cpp_RadiusDefinition::AssignFromToolBar(double first, double second, int pointIndex) {
    switch (option_) {
    case kGivenRadius: radius_ = first; return true;
    case kFixedPoint: point_ = {first, second}; return true;
    case kTangentLine:
        if (tangent_.GetOption() == Cpp_TangentLine::kHorizontal)
            return tangent_.SetElevation(first);
        if (tangent_.GetOption() != Cpp_TangentLine::kIrregular || pointIndex < 0 ||
            pointIndex >= tangent_.NumberOfPoints())
            return false;
        tangent_.Points()[static_cast<std::size_t>(pointIndex)] = {first, second};
        return true;
    default: return false;
    }
}

bool Cpp_RadiusDefinition::GetBounds(double x, double y, double& xMin, double& xMax, double& yMin,
                                     double& yMax) const {
    switch (option_) {
    case kGivenRadius:
        xMin = xMax = x;
        yMin = yMax = y - radius_;
        return true;
    case kFixedPoint:
        xMin = xMax = point_.x;
        yMin = yMax = point_.y;
        return true;
    case kTangentLine:
        if (tangent_.GetOption() == Cpp_TangentLine::kHorizontal) {
            xMin = xMax = x;
            yMin = yMax = tangent_.GetElevation();
            return true;
        }
        if (tangent_.GetOption() == Cpp_TangentLine::kIrregular)
            return tangent_.GetExtents(xMin, xMax, yMin, yMax);
        return false;
    default: return false;
    }
}

void Cpp_RadiusDefinition::Transform(double a, double b, double c, double d) {
    if (option_ == kFixedPoint) point_ = {a * point_.x + b, c * point_.y + d};
    if (option_ == kTangentLine) tangent_.Transform(a, b, c, d);
}

bool Cpp_RadiusDefinition::WriteKLIVEN4InputDataFile(std::ostream& out) const {
    using analysis_text::DecimalsToKeep;
    using analysis_text::Fixed;
    switch (option_) {
    case kGivenRadius:
        out << "          Radius\n"
            << "               " << Fixed(radius_, 10, DecimalsToKeep(radius_, 2)) << "\n";
        return true;
    case kFixedPoint:
        out << "          Point\n"
            << "               " << Fixed(point_.x, 20, DecimalsToKeep(point_.x, 10)) << " "
            << Fixed(point_.y, 20, DecimalsToKeep(point_.y, 10)) << "\n";
        return true;
    case kTangentLine: return tangent_.WriteKLIVEN4InputDataFile(out);
    default: return true;
    }
}

bool Cpp_RadiusDefinition::operator==(const Cpp_RadiusDefinition& other) const {
    if (option_ != other.option_) return false;
    switch (option_) {
    case kGivenRadius: return radius_ == other.radius_;
    case kFixedPoint: return point_.x == other.point_.x && point_.y == other.point_.y;
    case kTangentLine: return tangent_ == other.tangent_;
    default: return true;
    }
}

Cpp_RadiusDefinitionList::Cpp_RadiusDefinitionList(const Cpp_RadiusDefinitionList& other) {
    *this = other;
}

Cpp_RadiusDefinitionList&
Cpp_RadiusDefinitionList::operator=(const Cpp_RadiusDefinitionList& other) {
    if (this == &other) return *this;
    items_.clear();
    for (const auto& item : other.items_)
        items_.push_back(std::make_unique<Cpp_RadiusDefinition>(*item));
    CopyControl(other);
    return *this;
}

Cpp_RadiusDefinition* Cpp_RadiusDefinitionList::AddGivenRadius(double r) {
    items_.push_back(std::make_unique<Cpp_RadiusDefinition>(r));
    return items_.back().get();
}

Cpp_RadiusDefinition* Cpp_RadiusDefinitionList::AddFixedPoint(double x, double y) {
    items_.push_back(std::make_unique<Cpp_RadiusDefinition>(x, y));
    return items_.back().get();
}

Cpp_RadiusDefinition* Cpp_RadiusDefinitionList::AddTangentLine() {
    items_.push_back(std::make_unique<Cpp_RadiusDefinition>(
        Cpp_RadiusDefinition::WithOption(Cpp_RadiusDefinition::kTangentLine)));
    return items_.back().get();
}

Cpp_RadiusDefinition* Cpp_RadiusDefinitionList::GetNth(int n) {
    if (n < 1 || n > GetCount()) return nullptr;
    return items_[n - 1].get();
}

const Cpp_RadiusDefinition* Cpp_RadiusDefinitionList::GetNth(int n) const {
    if (n < 1 || n > GetCount()) return nullptr;
    return items_[n - 1].get();
}

bool Cpp_RadiusDefinitionList::RemoveNth(int n) {
    if (n < 1 || n > GetCount()) return false;
    items_.erase(items_.begin() + (n - 1));
    return true;
}

bool Cpp_RadiusDefinitionList::RemoveOrEditTangentPoint(const Cpp_RadiusDefinition* definition,
                                                        int segmentStart) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() != definition) continue;
        auto& points = items_[i]->GetTangentLine()->Points();
        if (points.size() <= 3) return RemoveNth(static_cast<int>(i) + 1);
        if (segmentStart < 0 || static_cast<std::size_t>(segmentStart) + 1 >= points.size())
            return false;
        points.erase(points.begin() + segmentStart, points.begin() + segmentStart + 2);
        return true;
    }
    return false;
}

bool Cpp_RadiusDefinitionList::SetFromTable(const Cpp_RadiusDefinition* array, int count) {
    for (int i = 0; i < count; ++i) {
        const int option = array[i].GetOption();
        if (option == Cpp_RadiusDefinition::kUnused) continue;
        items_.push_back(std::make_unique<Cpp_RadiusDefinition>(array[i]));
    }
    return true;
}

bool Cpp_RadiusDefinitionList::FindSingleTangentLineDefinitions(
    std::vector<Cpp_RadiusDefinition>& array, int& count) const {
    array.clear();
    for (const auto& item : items_) array.push_back(*item);
    count = static_cast<int>(array.size());
    return true;
}

bool Cpp_RadiusDefinitionList::GetBounds(double x, double y, double& xMin, double& xMax,
                                         double& yMin, double& yMax) const {
    Cpp_Extents extents;
    for (const auto& item : items_) {
        double a, b, c, d;
        if (item->GetBounds(x, y, a, b, c, d)) extents.Add(a, b, c, d);
    }
    return extents.Get(xMin, xMax, yMin, yMax);
}

void Cpp_RadiusDefinitionList::Transform(double a, double b, double c, double d) {
    for (auto& item : items_) item->Transform(a, b, c, d);
}

bool Cpp_RadiusDefinitionList::WriteKLIVEN4InputDataFile(std::ostream& out) const {
    using analysis_text::DecimalsToKeep;
    using analysis_text::Fixed;
    using analysis_text::Integer;
    out << "          " << Integer(subdivisions_, 10) << " "
        << Fixed(minimumIncrement_, 10, DecimalsToKeep(minimumIncrement_, 2)) << "\n";
    for (const auto& item : items_) item->WriteKLIVEN4InputDataFile(out);
    out << "\n";
    return true;
}

bool Cpp_RadiusDefinitionList::operator==(const Cpp_RadiusDefinitionList& other) const {
    if (subdivisions_ != other.subdivisions_ || minimumIncrement_ != other.minimumIncrement_ ||
        sort_ != other.sort_ || items_.size() != other.items_.size())
        return false;
    for (size_t i = 0; i < items_.size(); ++i)
        if (!(*items_[i] == *other.items_[i])) return false;
    return true;
}

bool Cpp_RadiusDefinitionList::Check() const {
    bool ok = true;
    if (subdivisions_ < 1 || subdivisions_ > kMaximumSubdivisions) {
        Cpp_AnalysisDataErrors::Error7140(subdivisions_, kMaximumSubdivisions);
        ok = false;
    }
    if (minimumIncrement_ <= 0.0) {
        Cpp_AnalysisDataErrors::Error7130(minimumIncrement_);
        ok = false;
    }
    return ok;
}
