#pragma once
// Vertices of the triangulation of interpolation points, the singly linked vertex lists that
// hold them, and the program-wide tolerance of every geometric test of the triangulation.
//
// The tolerance is one millionth of the mean side of the bounding box of all registered vertex
// lists. It only grows (deleting or moving vertices never shrinks it) until
// ResetTriangulationGlobals starts afresh for a new document or a file read.

#include <cstddef>
#include <cstdint>
#include <new>

class Cpp_Triangle;

class Cpp_VERTEX final {
public:
    Cpp_VERTEX(int number, double x, double y, double value)
        : x_(x), y_(y), value_(value), number_(number) {}
    Cpp_VERTEX(const Cpp_VERTEX&) = delete;
    Cpp_VERTEX& operator=(const Cpp_VERTEX&) = delete;

    // Vertices made with new come from a pool of vertex slots (slot_pool.h).
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* p) noexcept;

    // The value every consumer uses: the second value when selected, else the first.
    double Value() const { return (flags_ & 1u) ? value2_ : value_; }
    void SetUseSecondValue(bool on) { flags_ = on ? (flags_ | 1u) : (flags_ & ~1u); }
    bool UsesSecondValue() const { return (flags_ & 1u) != 0; }

    double X() const { return x_; }
    double Y() const { return y_; }
    void SetXY(double x, double y) {
        x_ = x;
        y_ = y;
    }
    double FirstValue() const { return value_; }
    double SecondValue() const { return value2_; }
    void SetFirstValue(double v) { value_ = v; }
    void SetSecondValue(double v) { value2_ = v; }
    int Number() const { return number_; }
    void SetNumber(int n) { number_ = n; }

    double DistanceTo(double x, double y) const;
    // Distance from the segment a-b: to the perpendicular foot when it lies on the segment,
    // else to the nearer end; a zero-length segment measures to its start.
    double DistanceToSegment(const Cpp_VERTEX* a, const Cpp_VERTEX* b) const;
    // Within the triangulation tolerance of (x, y) in both coordinates.
    bool IsAt(double x, double y) const;
    bool IsAtPoint(const Cpp_VERTEX& p) const { return IsAt(p.x_, p.y_); }

    Cpp_VERTEX* Next() const { return next_; }
    Cpp_VERTEX* Back() const { return back_; }
    // Set only while a hole of the triangulation is filled again: the triangle outside the
    // hole beyond the hole edge that starts at this vertex. Few vertices ever have one, so it
    // is kept beside the vertices, not in each.
    Cpp_Triangle* TriangleLink() const;
    void SetTriangleLink(Cpp_Triangle* t);
    ~Cpp_VERTEX();

private:
    friend class Cpp_VertexList;
    Cpp_VERTEX* next_ = nullptr;
    Cpp_VERTEX* back_ = nullptr;
    double x_;
    double y_;
    double value_;
    double value2_ = 0.0;
    int number_;
    std::uint8_t flags_ = 0;
    bool hasTriangleLink_ = false;
};

class Cpp_VertexList {
public:
    class Exc_MemoryAllocationFailed {};

    Cpp_VertexList() = default;
    ~Cpp_VertexList();
    Cpp_VertexList(const Cpp_VertexList&) = delete;
    Cpp_VertexList& operator=(const Cpp_VertexList&) = delete;

    Cpp_VERTEX* First() const { return first_; }
    Cpp_VERTEX* Last() const { return last_; }
    bool IsEmpty() const { return first_ == nullptr; }

    // Appends a new vertex; marks the list changed and the tolerance dirty.
    Cpp_VERTEX* AddVertex(int number, double x, double y, double value);
    // The same, for points entered with the tool.
    Cpp_VERTEX* AddVertexWithValue(int number, double x, double y, double value);
    void DeleteAllVertices();
    // Unlinks and frees v and nulls the caller's pointer; false when v is not in the list.
    bool RemoveVertex(Cpp_VERTEX*& v);
    // Vertices at exactly equal x and y: the later one of an equal-valued pair is dropped when
    // mergeEqual; a pair with different values (or any pair without mergeEqual) stops the scan
    // with false, keeping what was removed before it in scan order.
    bool RemoveDuplicateVertices(bool mergeEqual);
    // Moves v to the head of dest in constant time (needs valid back links here).
    void MoveVertexTo(Cpp_VERTEX*& v, Cpp_VertexList& dest);
    // other's vertices follow this list's last one; other becomes empty.
    void AppendList(Cpp_VertexList& other);
    void RebuildBackLinks();
    // Number of vertices; also right for a list closed into a ring.
    int CountRing() const;
    Cpp_VERTEX* FindNearest(double x, double y) const;
    void SelectValueComponent(bool useSecond);
    bool UsesSecondValue() const { return useSecond_; }
    // The vertices with the largest and the smallest y (the earlier one on ties).
    bool FindLowestAndHighest(Cpp_VERTEX*& highest, Cpp_VERTEX*& lowest) const;
    bool GetExtents(double& xmin, double& ymin, double& xmax, double& ymax) const;
    bool GetValueRange(double& vmin, double& vmax, bool useSecond) const;
    // True when three or more vertices lie on one line within the tolerance.
    bool AllCollinear() const;
    bool IsChanged() const { return changed_; }
    void SetChanged(bool on) { changed_ = on; }
    bool IsRegistered() const { return registered_; }
    Cpp_VertexList* RegistryNext() const { return registryNext_; }

private:
    friend struct VertexListRegistry;
    // Links a new vertex after the last one and marks the list changed.
    Cpp_VERTEX* Append(Cpp_VERTEX* v);
    void Unlink(Cpp_VERTEX* v, Cpp_VERTEX* previous);

    Cpp_VertexList* registryNext_ = nullptr;
    bool registered_ = false;
    Cpp_VERTEX* first_ = nullptr;
    Cpp_VERTEX* last_ = nullptr;
    bool changed_ = false;
    bool useSecond_ = false;
};

// The registry of the vertex lists whose extents make the tolerance (it does not own them).
struct VertexListRegistry {
    static void Append(Cpp_VertexList* list);
    static bool Remove(Cpp_VertexList* list);
    static void Clear();
};

void RegisterVertexList(Cpp_VertexList* list);
bool UnregisterVertexList(Cpp_VertexList* list);
// Widens the tolerance extents with the list's extents and recomputes the tolerance.
void UpdateToleranceExtents(Cpp_VertexList* list);

namespace triangulation_detail {
// The tolerance as last computed; valid while no vertex was added since.
struct ToleranceCache {
    bool valid = false;
    double tolerance = 0.0;
};
extern ToleranceCache g_toleranceCache;
double RecomputeTolerance();
}  // namespace triangulation_detail

inline void MarkToleranceDirty() { triangulation_detail::g_toleranceCache.valid = false; }
// Every geometric test asks for it, so the usual case is one flag test.
inline double GetTriangulationTolerance() {
    const auto& cache = triangulation_detail::g_toleranceCache;
    return cache.valid ? cache.tolerance : triangulation_detail::RecomputeTolerance();
}
void ResetTriangulationGlobals();
