#pragma once
// A set of cells, kept row by row as bits of the columns: no key packs a row and a column into
// 32 bits, a whole block goes in by rows, and the cells come out in row and column order.

#include "gridctrl/grid_types.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <vector>

namespace gridctrl {

class CellSet {
public:
    void Insert(int row, int col) {
        std::vector<std::uint64_t>& bits = rows_[row];
        const std::size_t word = static_cast<std::size_t>(col) / 64;
        if (bits.size() <= word) bits.resize(word + 1, 0);
        const std::uint64_t mask = std::uint64_t{1} << (col % 64);
        if (!(bits[word] & mask)) {
            bits[word] |= mask;
            ++size_;
        }
    }
    void Erase(int row, int col) {
        const auto it = rows_.find(row);
        if (it == rows_.end()) return;
        const std::size_t word = static_cast<std::size_t>(col) / 64;
        if (word >= it->second.size()) return;
        const std::uint64_t mask = std::uint64_t{1} << (col % 64);
        if (!(it->second[word] & mask)) return;
        it->second[word] &= ~mask;
        --size_;
        for (std::uint64_t w : it->second)
            if (w) return;
        rows_.erase(it);
    }
    bool Contains(int row, int col) const {
        const auto it = rows_.find(row);
        if (it == rows_.end()) return false;
        const std::size_t word = static_cast<std::size_t>(col) / 64;
        return word < it->second.size() && (it->second[word] >> (col % 64) & 1);
    }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    void Clear() {
        rows_.clear();
        size_ = 0;
    }
    // Every cell, row by row, columns in order.
    template <class F>
    void ForEach(F f) const {
        for (const auto& [row, bits] : rows_)
            for (std::size_t w = 0; w < bits.size(); ++w)
                for (std::uint64_t b = bits[w]; b; b &= b - 1)
                    f(CCellID(row, static_cast<int>(w * 64 + std::countr_zero(b))));
    }
    // The smallest block holding every cell; `empty` when there is none.
    CCellBlock Bounds(const CCellBlock& empty) const {
        if (rows_.empty()) return empty;
        CCellBlock b(rows_.begin()->first, empty.minCol, rows_.rbegin()->first, -1);
        for (const auto& [row, bits] : rows_)
            for (std::size_t w = 0; w < bits.size(); ++w)
                if (bits[w]) {
                    b.minCol =
                        std::min(b.minCol, static_cast<int>(w * 64 + std::countr_zero(bits[w])));
                    b.maxCol = std::max(b.maxCol,
                                        static_cast<int>(w * 64 + 63 - std::countl_zero(bits[w])));
                }
        return b;
    }

private:
    std::map<int, std::vector<std::uint64_t>> rows_;
    std::size_t size_ = 0;
};

}  // namespace gridctrl
