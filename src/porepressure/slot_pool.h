#pragma once
// Storage for the many small objects of a triangulation (vertices, triangles made one by one):
// slots of one size handed out from large chunks, without the bookkeeping bytes that the heap
// adds to every single allocation. A freed slot is handed out again first; the chunks go back
// when the last slot in use is freed (as when a document is closed).
//
// Not for use from several threads at once (the triangulation is single-threaded).

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

template <std::size_t Size>
class SlotPool {
    static_assert(Size >= sizeof(void*));

public:
    SlotPool() = default;
    SlotPool(const SlotPool&) = delete;
    SlotPool& operator=(const SlotPool&) = delete;
    ~SlotPool() { ReleaseChunks(); }

    // Null when no memory can be had.
    void* Get() {
        void* slot = free_;
        if (slot) {
            free_ = *static_cast<void**>(slot);
        } else {
            if (chunkUsed_ == kChunkSlots || chunks_.empty()) {
                void* chunk = std::malloc(Size * kChunkSlots);
                if (!chunk) return nullptr;
                chunks_.push_back(chunk);
                chunkUsed_ = 0;
            }
            slot = static_cast<unsigned char*>(chunks_.back()) + Size * chunkUsed_++;
        }
        ++live_;
        return slot;
    }

    void Put(void* slot) {
        if (!slot) return;
        *static_cast<void**>(slot) = free_;
        free_ = slot;
        if (--live_ == 0) ReleaseChunks();
    }

    std::size_t Live() const { return live_; }

private:
    static constexpr std::size_t kChunkSlots = 4096;

    void ReleaseChunks() {
        for (void* chunk : chunks_) std::free(chunk);
        chunks_.clear();
        chunks_.shrink_to_fit();
        free_ = nullptr;
        chunkUsed_ = 0;
    }

    std::vector<void*> chunks_;
    std::size_t chunkUsed_ = 0;
    void* free_ = nullptr;
    std::size_t live_ = 0;
};

// The one pool of the objects of class T, allocated one by one through T's operator new. Never
// destroyed: objects of lists that outlive the static objects still go back to it.
template <class T>
SlotPool<sizeof(T)>& PoolOf() {
    static auto* pool = new SlotPool<sizeof(T)>;
    return *pool;
}

// A slot of T's pool, or std::bad_alloc.
template <class T>
void* SlotOf() {
    void* p = PoolOf<T>().Get();
    if (!p) throw std::bad_alloc();
    return p;
}
