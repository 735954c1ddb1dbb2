#include "porepressure/vertex.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <unordered_map>
#include <vector>

#include "core/text_exception.h"
#include "core/world_rect.h"
#include "porepressure/slot_pool.h"

namespace {

struct TriangulationToleranceState {
    bool computed = false;
    double tolerance = 0.0;
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
};

TriangulationToleranceState g_tolerance;
Cpp_VertexList* g_registryFirst = nullptr;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Cpp_VERTEX

static_assert(sizeof(Cpp_VERTEX) == 56, "a vertex fills one slot of 56 bytes");

void* Cpp_VERTEX::operator new(std::size_t) { return SlotOf<Cpp_VERTEX>(); }

void* Cpp_VERTEX::operator new(std::size_t, const std::nothrow_t&) noexcept {
    return PoolOf<Cpp_VERTEX>().Get();
}

void Cpp_VERTEX::operator delete(void* p) noexcept { PoolOf<Cpp_VERTEX>().Put(p); }

namespace {
std::unordered_map<const Cpp_VERTEX*, Cpp_Triangle*>& TriangleLinks() {
    static auto* links = new std::unordered_map<const Cpp_VERTEX*, Cpp_Triangle*>;
    return *links;
}
}  // namespace

Cpp_VERTEX::~Cpp_VERTEX() {
    if (hasTriangleLink_) TriangleLinks().erase(this);
}

Cpp_Triangle* Cpp_VERTEX::TriangleLink() const {
    if (!hasTriangleLink_) return nullptr;
    const auto found = TriangleLinks().find(this);
    return found == TriangleLinks().end() ? nullptr : found->second;
}

void Cpp_VERTEX::SetTriangleLink(Cpp_Triangle* t) {
    hasTriangleLink_ = t != nullptr;
    if (t)
        TriangleLinks()[this] = t;
    else
        TriangleLinks().erase(this);
}

double Cpp_VERTEX::DistanceTo(double x, double y) const {
    return std::sqrt((x_ - x) * (x_ - x) + (y_ - y) * (y_ - y));
}

double Cpp_VERTEX::DistanceToSegment(const Cpp_VERTEX* a, const Cpp_VERTEX* b) const {
    const double dx = b->x_ - a->x_;
    const double dy = b->y_ - a->y_;
    const double len2 = dx * dx + dy * dy;
    if (len2 == 0.0) return DistanceTo(a->x_, a->y_);
    const double t = ((x_ - a->x_) * dx + (y_ - a->y_) * dy) / len2;
    if (t < 0.0) return DistanceTo(a->x_, a->y_);
    if (t > 1.0) return DistanceTo(b->x_, b->y_);
    return DistanceTo(a->x_ + t * dx, a->y_ + t * dy);
}

bool Cpp_VERTEX::IsAt(double x, double y) const {
    const double tol = GetTriangulationTolerance();
    return tol >= std::fabs(x_ - x) && tol >= std::fabs(y_ - y);
}

// ---------------------------------------------------------------------------------------------
// Cpp_VertexList

Cpp_VertexList::~Cpp_VertexList() {
    if (registered_) VertexListRegistry::Remove(this);
    DeleteAllVertices();
}

Cpp_VERTEX* Cpp_VertexList::AddVertex(int number, double x, double y, double value) {
    Cpp_VERTEX* v = new (std::nothrow) Cpp_VERTEX(number, x, y, value);
    if (!v) throw Exc_MemoryAllocationFailed();
    return Append(v);
}

Cpp_VERTEX* Cpp_VertexList::AddVertexWithValue(int number, double x, double y, double value) {
    Cpp_VERTEX* v = new (std::nothrow) Cpp_VERTEX(number, x, y, value);
    if (!v) throw Cpp_TextException("EXCEPTION: Cpp_VERTEX allocation failed");
    return Append(v);
}

Cpp_VERTEX* Cpp_VertexList::Append(Cpp_VERTEX* v) {
    v->back_ = last_;
    if (last_)
        last_->next_ = v;
    else
        first_ = v;
    last_ = v;
    changed_ = true;
    MarkToleranceDirty();
    return v;
}

void Cpp_VertexList::DeleteAllVertices() {
    Cpp_VERTEX* v = first_;
    // A list closed into a ring stops where it started.
    while (v) {
        Cpp_VERTEX* next = v->next_;
        delete v;
        v = (next == first_) ? nullptr : next;
    }
    first_ = last_ = nullptr;
}

void Cpp_VertexList::Unlink(Cpp_VERTEX* v, Cpp_VERTEX* previous) {
    Cpp_VERTEX* next = v->next_;
    if (previous)
        previous->next_ = next;
    else
        first_ = next;
    if (next) next->back_ = previous;
    if (last_ == v) last_ = previous;
    v->next_ = nullptr;
    v->back_ = nullptr;
}

bool Cpp_VertexList::RemoveVertex(Cpp_VERTEX*& v) {
    // The back link, when it is right, finds the predecessor at once.
    if (v && (v == first_ ? v->back_ == nullptr : v->back_ && v->back_->next_ == v)) {
        Unlink(v, v->back_);
        delete v;
        v = nullptr;
        return true;
    }
    Cpp_VERTEX* previous = nullptr;
    for (Cpp_VERTEX* p = first_; p; previous = p, p = p->next_) {
        if (p == v) {
            Unlink(p, previous);
            delete p;
            v = nullptr;
            return true;
        }
    }
    return false;
}

bool Cpp_VertexList::RemoveDuplicateVertices(bool mergeEqual) {
    // The result is that of comparing every vertex with every later one in list order, found
    // here by sorting: within each group of equal coordinates the first member is compared with
    // the later ones; the scan stops at the earliest failing pair (by the position of its first
    // member), and only the groups before it, and the equal members before the failing one in
    // its own group, lose their later members.
    std::vector<Cpp_VERTEX*> order;
    for (Cpp_VERTEX* v = first_; v; v = v->next_) order.push_back(v);
    const std::size_t n = order.size();
    if (n < 2) return true;
    std::vector<std::size_t> idx(n);
    for (std::size_t i = 0; i < n; ++i) idx[i] = i;
    std::sort(idx.begin(), idx.end(), [&](std::size_t a, std::size_t b) {
        const Cpp_VERTEX* va = order[a];
        const Cpp_VERTEX* vb = order[b];
        if (va->x_ != vb->x_) return va->x_ < vb->x_;
        if (va->y_ != vb->y_) return va->y_ < vb->y_;
        return a < b;
    });
    struct Group {
        std::size_t firstPos;
        std::size_t begin, end;  // range in idx
    };
    std::vector<Group> groups;
    for (std::size_t i = 0; i < n;) {
        std::size_t j = i + 1;
        while (j < n && order[idx[j]]->x_ == order[idx[i]]->x_ &&
               order[idx[j]]->y_ == order[idx[i]]->y_)
            ++j;
        if (j - i > 1) groups.push_back({idx[i], i, j});
        i = j;
    }
    if (groups.empty()) return true;
    std::sort(groups.begin(), groups.end(),
              [](const Group& a, const Group& b) { return a.firstPos < b.firstPos; });

    std::vector<char> drop(n, 0);
    bool ok = true;
    for (const Group& g : groups) {
        const Cpp_VERTEX* head = order[idx[g.begin]];
        for (std::size_t k = g.begin + 1; k < g.end; ++k) {
            const Cpp_VERTEX* other = order[idx[k]];
            if (!mergeEqual || other->value_ != head->value_) {
                ok = false;
                break;
            }
            drop[idx[k]] = 1;
        }
        if (!ok) break;
    }
    Cpp_VERTEX* previous = nullptr;
    first_ = last_ = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        Cpp_VERTEX* v = order[i];
        if (drop[i]) {
            delete v;
            continue;
        }
        v->back_ = previous;
        v->next_ = nullptr;
        if (previous)
            previous->next_ = v;
        else
            first_ = v;
        previous = v;
    }
    last_ = previous;
    return ok;
}

void Cpp_VertexList::MoveVertexTo(Cpp_VERTEX*& v, Cpp_VertexList& dest) {
    Cpp_VERTEX* vertex = v;
    Unlink(vertex, vertex->back_);
    vertex->next_ = dest.first_;
    vertex->back_ = nullptr;
    if (dest.first_)
        dest.first_->back_ = vertex;
    else
        dest.last_ = vertex;
    dest.first_ = vertex;
}

void Cpp_VertexList::AppendList(Cpp_VertexList& other) {
    if (!other.first_) return;
    other.first_->back_ = last_;
    if (last_)
        last_->next_ = other.first_;
    else
        first_ = other.first_;
    last_ = other.last_;
    other.first_ = other.last_ = nullptr;
}

void Cpp_VertexList::RebuildBackLinks() {
    Cpp_VERTEX* previous = nullptr;
    for (Cpp_VERTEX* v = first_; v; previous = v, v = v->next_) {
        v->back_ = previous;
        if (v->next_ == first_) break;
    }
}

int Cpp_VertexList::CountRing() const {
    int count = 0;
    for (Cpp_VERTEX* v = first_; v; v = v->next_) {
        ++count;
        if (v->next_ == first_) break;
    }
    return count;
}

Cpp_VERTEX* Cpp_VertexList::FindNearest(double x, double y) const {
    Cpp_VERTEX* best = nullptr;
    double bestDistance = 0.0;
    for (Cpp_VERTEX* v = first_; v; v = v->next_) {
        const double d = v->DistanceTo(x, y);
        if (!best || d < bestDistance) {
            best = v;
            bestDistance = d;
        }
        if (v->next_ == first_) break;
    }
    return best;
}

void Cpp_VertexList::SelectValueComponent(bool useSecond) {
    useSecond_ = useSecond;
    for (Cpp_VERTEX* v = first_; v; v = v->next_) v->SetUseSecondValue(useSecond);
}

bool Cpp_VertexList::FindLowestAndHighest(Cpp_VERTEX*& highest, Cpp_VERTEX*& lowest) const {
    if (!first_) return false;
    highest = lowest = first_;
    for (Cpp_VERTEX* v = first_->next_; v; v = v->next_) {
        if (v->y_ < lowest->y_) lowest = v;
        if (v->y_ > highest->y_) highest = v;
    }
    return true;
}

bool Cpp_VertexList::GetExtents(double& xmin, double& ymin, double& xmax, double& ymax) const {
    Cpp_Extents extents;
    for (Cpp_VERTEX* v = first_; v; v = v->next_) extents.Add(v->x_, v->y_);
    return extents.Get(xmin, xmax, ymin, ymax);
}

bool Cpp_VertexList::GetValueRange(double& vmin, double& vmax, bool useSecond) const {
    if (!first_) return false;
    vmin = vmax = useSecond ? first_->value2_ : first_->value_;
    for (Cpp_VERTEX* v = first_->next_; v; v = v->next_) {
        const double value = useSecond ? v->value2_ : v->value_;
        if (value < vmin)
            vmin = value;
        else if (value > vmax)
            vmax = value;
    }
    return true;
}

bool Cpp_VertexList::AllCollinear() const {
    if (!first_ || !first_->next_ || !first_->next_->next_) return false;
    const Cpp_VERTEX* v1 = first_;
    const Cpp_VERTEX* v2 = first_->next_;
    const bool alongX = std::fabs(v1->x_ - v2->x_) > std::fabs(v1->y_ - v2->y_);
    const Cpp_VERTEX* e1 = first_;
    const Cpp_VERTEX* e2 = first_;
    for (const Cpp_VERTEX* v = first_->next_; v; v = v->next_) {
        const double c = alongX ? v->x_ : v->y_;
        if (c < (alongX ? e1->x_ : e1->y_)) e1 = v;
        if (c > (alongX ? e2->x_ : e2->y_)) e2 = v;
    }
    const double length =
        std::sqrt((e2->x_ - e1->x_) * (e2->x_ - e1->x_) + (e2->y_ - e1->y_) * (e2->y_ - e1->y_));
    if (length == 0.0) return true;
    const double nx = -(e2->y_ - e1->y_) / length;
    const double ny = (e2->x_ - e1->x_) / length;
    const double c = -(nx * e1->x_ + ny * e1->y_);
    const double tol = GetTriangulationTolerance();
    for (const Cpp_VERTEX* v = first_; v; v = v->next_) {
        if (v == e1 || v == e2) continue;
        if (std::fabs(nx * v->x_ + ny * v->y_ + c) > tol) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Registry and tolerance

void VertexListRegistry::Append(Cpp_VertexList* list) {
    list->registryNext_ = nullptr;
    if (!g_registryFirst) {
        g_registryFirst = list;
    } else {
        Cpp_VertexList* last = g_registryFirst;
        while (last->registryNext_) last = last->registryNext_;
        last->registryNext_ = list;
    }
    list->registered_ = true;
}

bool VertexListRegistry::Remove(Cpp_VertexList* list) {
    Cpp_VertexList* previous = nullptr;
    for (Cpp_VertexList* l = g_registryFirst; l; previous = l, l = l->registryNext_) {
        if (l == list) {
            if (previous)
                previous->registryNext_ = l->registryNext_;
            else
                g_registryFirst = l->registryNext_;
            list->registryNext_ = nullptr;
            list->registered_ = false;
            return true;
        }
    }
    return false;
}

void VertexListRegistry::Clear() {
    Cpp_VertexList* l = g_registryFirst;
    while (l) {
        Cpp_VertexList* next = l->registryNext_;
        l->registryNext_ = nullptr;
        l->registered_ = false;
        l = next;
    }
    g_registryFirst = nullptr;
}

void RegisterVertexList(Cpp_VertexList* list) {
    if (!list) return;
    if (list->IsRegistered()) VertexListRegistry::Remove(list);
    VertexListRegistry::Append(list);
    // A list registered with vertices brings its extents into the next tolerance query.
    if (!list->IsEmpty()) {
        list->SetChanged(true);
        MarkToleranceDirty();
    }
}

bool UnregisterVertexList(Cpp_VertexList* list) {
    return list ? VertexListRegistry::Remove(list) : false;
}

void UpdateToleranceExtents(Cpp_VertexList* list) {
    double xmin, ymin, xmax, ymax;
    if (!list || !list->GetExtents(xmin, ymin, xmax, ymax)) return;
    if (!g_tolerance.computed) {
        g_tolerance.xmin = xmin;
        g_tolerance.xmax = xmax;
        g_tolerance.ymin = ymin;
        g_tolerance.ymax = ymax;
        g_tolerance.computed = true;
    } else {
        if (xmin < g_tolerance.xmin) g_tolerance.xmin = xmin;
        if (xmax > g_tolerance.xmax) g_tolerance.xmax = xmax;
        if (ymin < g_tolerance.ymin) g_tolerance.ymin = ymin;
        if (ymax > g_tolerance.ymax) g_tolerance.ymax = ymax;
    }
    g_tolerance.tolerance =
        ((g_tolerance.xmax - g_tolerance.xmin) + (g_tolerance.ymax - g_tolerance.ymin)) * 0.5 /
        1000000.0;
    triangulation_detail::g_toleranceCache.tolerance = g_tolerance.tolerance;
}

namespace triangulation_detail {

ToleranceCache g_toleranceCache;

double RecomputeTolerance() {
    for (Cpp_VertexList* l = g_registryFirst; l; l = l->RegistryNext()) {
        if (l->IsChanged()) {
            UpdateToleranceExtents(l);
            l->SetChanged(false);
        }
    }
    g_toleranceCache.tolerance = g_tolerance.tolerance;
    g_toleranceCache.valid = g_tolerance.computed;
    return g_tolerance.tolerance;
}

}  // namespace triangulation_detail

void ResetTriangulationGlobals() {
    g_tolerance = TriangulationToleranceState();
    triangulation_detail::g_toleranceCache = triangulation_detail::ToleranceCache();
    VertexListRegistry::Clear();
}
