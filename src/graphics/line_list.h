#pragma once
// The list of numbered lines of one kind: lines kept in creation order, lookups by number (the
// first line with a number wins), numbering, removal, the line checks shared by all line kinds
// with the check marks they collect, and hit tests over the whole list. Drawing of the marks and
// number labels lives with the drawing code.

#include "core/dialog_slot.h"
#include "graphics/line.h"
#include "graphics/pick.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// "Resolve Duplicate Line": what to do with a new line whose number another line has. The
// window shows the message and proposes the smallest number not among the used ones for both
// number fields; it refuses a used number for the choice that takes it. Run answers the choice
// (0 replace the existing line, 1 the new line takes newNumber, 2 the existing line takes
// existingNumber) or -1 for Cancel.
class DuplicateLineDialog {
public:
    virtual ~DuplicateLineDialog() = default;
    virtual int Run(const std::string& message, const std::vector<int>& usedNumbers, int& newNumber,
                    int& existingNumber) = 0;
};
// The registered window; the stand-in cancels (the new line is dropped).
DialogSlot<DuplicateLineDialog>& DuplicateLineDialogSlot();
// "Profile Line number 3 already exists." and the like for line kinds 2, 3 and 5.
std::string DuplicateLineMessage(int lineKind, int number);
// The smallest number from 1 that is not among the numbers.
int SmallestUnusedNumber(const std::vector<int>& numbers);
// "Line number 2 is used by another line.  Enter a different number."
std::string LineNumberUsedMessage(int number);

// One mark collected by the segment checks: kind 1 a point, 2 a segment.
struct Cpp_CheckMark {
    int kind = 0;
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};

class Cpp_LineList {
public:
    explicit Cpp_LineList(int lineKind = 0) : lineKind_(lineKind) {}
    virtual ~Cpp_LineList() = default;
    Cpp_LineList(const Cpp_LineList&) = delete;
    Cpp_LineList& operator=(const Cpp_LineList&) = delete;

    int LineKind() const { return lineKind_; }
    void SetLineKind(int kind) { lineKind_ = kind; }

    // The lines in creation order.
    const std::vector<std::unique_ptr<Cpp_Line>>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    bool IsEmpty() const { return lines_.empty(); }
    Cpp_Line* LineAt(int index) const { return lines_.at(index).get(); }
    int IndexOf(const Cpp_Line* line) const;

    // A new empty line of the list's own line type (number 0), appended at the tail.
    Cpp_Line* NewLine();
    Cpp_Line* Append(std::unique_ptr<Cpp_Line> line);
    // Unlinks the line and hands it to the caller; null when it is not in the list.
    std::unique_ptr<Cpp_Line> TakeLine(const Cpp_Line* line);

    Cpp_Line* FindLine(int number) const;
    bool HasLineNumber(int number) const { return FindLine(number) != nullptr; }
    // Gives the line the number unless another line of the list already has it.
    bool SetLineNumber(Cpp_Line* line, int number);
    int FirstUnusedNumber() const;
    int SmallestNumber() const;
    double LongestLine() const;
    void NumberAllPoints();

    bool RemoveLineByNumber(int number);
    bool RemoveLine(const Cpp_Line* line);
    // A line with at most one point is removed whole; otherwise the point. False when the line
    // is not in the list.
    bool DeletePoint(Cpp_Line* line, Cpp_PointXY* point);
    // A line with three points or fewer is removed whole; otherwise both end points of the
    // segment that starts at the given point. False when the line is not in the list.
    bool DeleteSegment(Cpp_Line* line, Cpp_PointXY* segmentStart);
    void Clear();

    const std::vector<Cpp_CheckMark>& CheckMarks() const { return checkMarks_; }
    void DeleteCheckMarks() { checkMarks_.clear(); }
    void AddPointMark(double x, double y);
    void AddSegmentMark(double x1, double y1, double x2, double y2);

    // Checks shared by all line kinds, reported with the list's line kind through the line
    // messages; the file is the listing the messages go to (null: the error log only).
    // Every line without points or with one point is reported; false when any was.
    bool CheckEnoughPoints(std::FILE* file) const;
    // Stops at the first line with fewer than two points (false); otherwise reports every pair
    // of points whose x decreases and returns true.
    bool CheckEnoughPointsAndOrder(std::FILE* file) const;
    bool CheckDuplicatePoints(bool deleteDuplicates, std::FILE* file);
    bool CheckPointOrder(bool reverse, std::FILE* file);
    // Segment pairs of different lines (A before B, segments in line order) that overlap on one
    // line, or cross strictly inside both; with collect the marks are kept. True when none.
    bool CheckCoincidentSegments(double tolerance, bool notice, bool collect, std::FILE* file);
    bool CheckIntersectingSegments(double tolerance, bool notice, bool collect, std::FILE* file);

    // A new line of the kind comes with a number some line has: the duplicate-line window is
    // asked (never with an empty list: -1 at once). The choice 0, 1 or 2 with the number to use
    // (0: the given number; 1: the new line's; 2: the existing line's new number), or -1.
    int CheckDuplicateNumber(int lineKind, int number, int& outNumber) const;

    // Hit tests over all lines with one shared pick record.
    Cpp_Line* FindNearestLabel(s_PickType& pick) const;
    Cpp_PointXY* FindNearestLinePoint(s_PickType& pick, Cpp_Line*& line) const;
    Cpp_PointXY* FindNearestSegment(s_PickType& pick, Cpp_Line*& line) const;

protected:
    // The line type of the list; derived lists make their own.
    virtual std::unique_ptr<Cpp_Line> MakeLine() const { return std::make_unique<Cpp_Line>(); }

private:
    std::vector<std::unique_ptr<Cpp_Line>> lines_;
    std::vector<Cpp_CheckMark> checkMarks_;
    int lineKind_ = 0;
};
