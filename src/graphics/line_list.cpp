#include "graphics/line_list.h"

#include <algorithm>
#include <set>

int Cpp_LineList::IndexOf(const Cpp_Line* line) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].get() == line) return static_cast<int>(i);
    return -1;
}

Cpp_Line* Cpp_LineList::NewLine() { return Append(MakeLine()); }

Cpp_Line* Cpp_LineList::Append(std::unique_ptr<Cpp_Line> line) {
    lines_.push_back(std::move(line));
    return lines_.back().get();
}

std::unique_ptr<Cpp_Line> Cpp_LineList::TakeLine(const Cpp_Line* line) {
    const int i = IndexOf(line);
    if (i < 0) return nullptr;
    std::unique_ptr<Cpp_Line> taken = std::move(lines_[i]);
    lines_.erase(lines_.begin() + i);
    return taken;
}

Cpp_Line* Cpp_LineList::FindLine(int number) const {
    for (const auto& line : lines_)
        if (line->GetNumber() == number) return line.get();
    return nullptr;
}

bool Cpp_LineList::SetLineNumber(Cpp_Line* line, int number) {
    for (const auto& other : lines_)
        if (other.get() != line && other->GetNumber() == number) return false;
    line->SetNumber(number);
    return true;
}

int Cpp_LineList::FirstUnusedNumber() const {
    std::set<int> used;
    for (const auto& line : lines_) used.insert(line->GetNumber());
    int n = 1;
    while (used.count(n)) ++n;
    return n;
}

int Cpp_LineList::SmallestNumber() const {
    if (lines_.empty()) return 0;
    int smallest = lines_.front()->GetNumber();
    for (const auto& line : lines_) smallest = std::min(smallest, line->GetNumber());
    return smallest;
}

double Cpp_LineList::LongestLine() const {
    double longest = 0.0;
    for (const auto& line : lines_) longest = std::max(longest, line->Length());
    return longest;
}

void Cpp_LineList::NumberAllPoints() {
    for (const auto& line : lines_) line->NumberPoints();
}

int Cpp_LineList::AppendXValues(std::vector<double>& values) const {
    int index = 0;
    for (const auto& line : lines_) index = line->AppendXValues(values, index);
    return index;
}

bool Cpp_LineList::RemoveLineByNumber(int number) {
    const Cpp_Line* line = FindLine(number);
    return line && RemoveLine(line);
}

bool Cpp_LineList::RemoveLine(const Cpp_Line* line) { return TakeLine(line) != nullptr; }

bool Cpp_LineList::DeletePoint(Cpp_Line* line, Cpp_PointXY* point) {
    if (IndexOf(line) < 0) return false;
    if (line->NumberOfPoints() <= 1) return RemoveLine(line);
    if (!line->RemovePoint(point)) return false;
    line->ClearSlopeCache();
    return true;
}

bool Cpp_LineList::DeleteSegment(Cpp_Line* line, Cpp_PointXY* segmentStart) {
    if (IndexOf(line) < 0) return false;
    if (line->NumberOfPoints() <= 3) return RemoveLine(line);
    if (!segmentStart || !line->ContainsPoint(segmentStart) || !segmentStart->Next()) return false;
    line->RemovePoint(segmentStart->Next());
    line->RemovePoint(segmentStart);
    line->ClearSlopeCache();
    return true;
}

void Cpp_LineList::Clear() { lines_.clear(); }

void Cpp_LineList::AddPointMark(double x, double y) { checkMarks_.push_back({1, x, y, 0.0, 0.0}); }

void Cpp_LineList::AddSegmentMark(double x1, double y1, double x2, double y2) {
    checkMarks_.push_back({2, x1, y1, x2, y2});
}

Cpp_Line* Cpp_LineList::FindNearestLabel(s_PickType& pick) const {
    Cpp_Line* result = nullptr;
    for (const auto& line : lines_)
        if (IsNearPick(line->LabelAnchorX(), line->LabelAnchorY(), pick)) result = line.get();
    return result;
}

Cpp_PointXY* Cpp_LineList::FindNearestLinePoint(s_PickType& pick, Cpp_Line*& line) const {
    Cpp_PointXY* result = nullptr;
    for (const auto& candidate : lines_) {
        if (Cpp_PointXY* p = candidate->FindNearestPoint(pick)) {
            result = p;
            line = candidate.get();
        }
    }
    return result;
}

Cpp_PointXY* Cpp_LineList::FindNearestSegment(s_PickType& pick, Cpp_Line*& line) const {
    Cpp_PointXY* result = nullptr;
    for (const auto& candidate : lines_) {
        if (Cpp_PointXY* p = candidate->FindNearestSegment(pick)) {
            result = p;
            line = candidate.get();
        }
    }
    return result;
}
