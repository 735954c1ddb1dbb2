#pragma once
// Growable arrays of the program's tables of values.
//
// CMyArray<T>: the array of records kept by index (points, loads, radius definitions ...):
//     CMyArray<s_LineLoadType> loads;
//     loads.GetAtGrow(i) = load;      // grows by one step (grow-by, or 100) when i is at the end
//     loads.SetSize(n);               // new elements value-initialised (zeroed records)
// Capacity grows by the grow-by, or, when that is 0, by one eighth of the size clamped to
// 4..1024. Cpp_XYArray (points) and Cpp_DoubleArray (numbers) are the two named instances.
//
// CMyGrowArray<T>: scratch storage in steps of 100; the double instance sorts and removes
// duplicates.
//
// Indexing past the end grows the array to hold at least that index; a negative index throws
// the text exception "EXCEPTION: CMyArray::GetAtGrow - negative index" (or CMyGrowArray's), so
// the entry point reports it and the program keeps running.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/point_xy.h"
#include "core/text_exception.h"

template <typename T, typename ARG = T>
class CMyArray {
public:
    CMyArray() = default;
    virtual ~CMyArray() = default;
    CMyArray(const CMyArray&) = default;
    CMyArray& operator=(const CMyArray&) = default;

    int GetSize() const { return static_cast<int>(data_.size()); }
    int GetCapacity() const { return maxSize_; }
    int GetGrowBy() const { return growBy_; }
    bool IsEmpty() const { return data_.empty(); }

    // newSize < 0 counts as 0. growBy other than -1 becomes the array's grow-by.
    void SetSize(int newSize, int growBy = -1) {
        if (growBy != -1) growBy_ = growBy;
        if (newSize < 0) newSize = 0;
        if (newSize == 0) {
            data_.clear();
            data_.shrink_to_fit();
            maxSize_ = 0;
            return;
        }
        if (maxSize_ == 0) {
            maxSize_ = newSize;
        } else if (newSize > maxSize_) {
            int step = growBy_;
            if (step == 0) step = std::clamp(GetSize() / 8, 4, 1024);
            maxSize_ = std::max(newSize, maxSize_ + step);
        }
        data_.reserve(static_cast<size_t>(maxSize_));
        data_.resize(static_cast<size_t>(newSize));
    }

    // The element at index; an index at or past the end grows the array by one step (grow-by,
    // or 100), or further when the index lies beyond that.
    T& GetAtGrow(int index) {
        if (index < 0) throw Cpp_TextException("EXCEPTION: CMyArray::GetAtGrow - negative index");
        if (index >= GetSize()) {
            int step = growBy_ > 0 ? growBy_ : 100;
            SetSize(std::max(GetSize() + step, index + 1), step);
        }
        return data_[static_cast<size_t>(index)];
    }
    T& ElementAtGrow(int index) { return GetAtGrow(index); }

    // Checked access inside the size: an index outside throws the text exception.
    T& operator[](int index) { return data_.at(Checked(index)); }
    const T& operator[](int index) const { return data_.at(Checked(index)); }
    T& ElementAt(int index) { return (*this)[index]; }
    const T& GetAt(int index) const { return (*this)[index]; }
    void SetAt(int index, const ARG& value) { (*this)[index] = value; }
    void Add(const ARG& value) {
        SetSize(GetSize() + 1);
        data_.back() = value;
    }
    void RemoveAll() { SetSize(0); }

    T* GetData() { return data_.empty() ? nullptr : data_.data(); }
    const T* GetData() const { return data_.empty() ? nullptr : data_.data(); }
    typename std::vector<T>::iterator begin() { return data_.begin(); }
    typename std::vector<T>::iterator end() { return data_.end(); }
    typename std::vector<T>::const_iterator begin() const { return data_.begin(); }
    typename std::vector<T>::const_iterator end() const { return data_.end(); }

private:
    size_t Checked(int index) const {
        if (index < 0 || index >= GetSize())
            throw Cpp_TextException("EXCEPTION: CMyArray - index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<T> data_;
    int maxSize_ = 0;
    int growBy_ = 0;
};

class Cpp_XYArray : public CMyArray<s_tagTypePointXY, s_tagTypePointXY> {};

// True when no entry among the first count of the points, other than index n, has both this x
// and this y (exact comparison); count is limited to the array's size. The point-entry windows
// refuse duplicate points with it.
template <typename ARG>
bool IsPointUnique(const CMyArray<s_tagTypePointXY, ARG>& points, double x, double y, int count,
                   int n) {
    const int last = std::min(count, points.GetSize());
    for (int i = 0; i < last; ++i)
        if (i != n && points[i].x == x && points[i].y == y) return false;
    return true;
}
// The same for x alone.
template <typename ARG>
bool IsXUnique(const CMyArray<s_tagTypePointXY, ARG>& points, double x, int count, int n) {
    const int last = std::min(count, points.GetSize());
    for (int i = 0; i < last; ++i)
        if (i != n && points[i].x == x) return false;
    return true;
}
class Cpp_DoubleArray : public CMyArray<double, double> {};

template <typename T>
class CMyGrowArray {
public:
    CMyGrowArray() = default;
    explicit CMyGrowArray(int n) : data_(static_cast<size_t>(std::max(n, 0))) {}

    int GetSize() const { return static_cast<int>(data_.size()); }
    int GetGrowBy() const { return growBy_; }
    void Clear() {
        data_.clear();
        growBy_ = 0;
    }

    // The element at index; past the end the array grows by 100 elements (more when the index
    // lies further out), the new ones zeroed.
    T& GetAtGrow(int index) {
        if (index < 0)
            throw Cpp_TextException("EXCEPTION: CMyGrowArray::GetAtGrow - negative index");
        if (index >= GetSize()) {
            int newSize = GetSize() + 100;
            while (newSize <= index) newSize += 100;
            data_.resize(static_cast<size_t>(newSize));
            growBy_ = 100;
        }
        return data_[static_cast<size_t>(index)];
    }
    T& operator[](int index) { return GetAtGrow(index); }

    T* GetData() { return data_.empty() ? nullptr : data_.data(); }

    // Double instance: ascending sort of the first n values (1 <= n <= size), else false.
    bool SortAscending(int n) {
        if (n < 1 || n > GetSize()) return false;
        std::stable_sort(data_.begin(), data_.begin() + n);
        return true;
    }
    // Keeps the first of each run of equal neighbours among the first n; n becomes the count.
    bool RemoveAdjacentDuplicates(int& n) {
        if (n < 1 || n > GetSize()) return false;
        auto last = std::unique(data_.begin(), data_.begin() + n);
        n = static_cast<int>(last - data_.begin());
        return true;
    }
    bool SortUnique(int& n) {
        if (n < 1 || n > GetSize()) return false;
        return SortAscending(n) && RemoveAdjacentDuplicates(n);
    }

private:
    std::vector<T> data_;
    int growBy_ = 0;
};
