#include "graphics/line_list.h"

#include <algorithm>
#include <cstdio>
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

int SmallestUnusedNumber(const std::vector<int>& numbers) {
    const std::set<int> used(numbers.begin(), numbers.end());
    int n = 1;
    while (used.count(n)) ++n;
    return n;
}

std::string DuplicateLineMessage(int lineKind, int number) {
    const char* format = lineKind == 2   ? "Profile Line number %1d already exists."
                         : lineKind == 3 ? "Piezometric number %1d already exists."
                         : lineKind == 5 ? "Reinforcement number %1d already exists."
                                         : nullptr;
    if (!format) return "Duplicate line of unknown type";
    char text[100];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

std::string LineNumberUsedMessage(int number) {
    char text[100];
    std::snprintf(text, sizeof text,
                  "Line number %1d is used by another line.  Enter a different number.", number);
    return text;
}

namespace {
class CancelDuplicateLine final : public DuplicateLineDialog {
public:
    int Run(const std::string&, const std::vector<int>&, int&, int&) override { return -1; }
};
}  // namespace

DialogSlot<DuplicateLineDialog>& DuplicateLineDialogSlot() {
    static DialogSlot<DuplicateLineDialog> slot("duplicate line number dialog",
                                                std::make_unique<CancelDuplicateLine>());
    return slot;
}

int Cpp_LineList::CheckDuplicateNumber(int lineKind, int number, int& outNumber) const {
    if (lines_.empty()) return -1;
    std::vector<int> numbers;
    for (const auto& line : lines_) numbers.push_back(line->GetNumber());
    int newNumber = SmallestUnusedNumber(numbers), existingNumber = newNumber;
    const int choice = DuplicateLineDialogSlot().Get().Run(DuplicateLineMessage(lineKind, number),
                                                           numbers, newNumber, existingNumber);
    switch (choice) {
    case 0: outNumber = number; return 0;
    case 1: outNumber = newNumber; return 1;
    case 2: outNumber = existingNumber; return 2;
    default: return -1;
    }
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
