#include "registry/block_readers.h"

#include <map>
#include <utility>

namespace {
std::map<std::string, Cpp_BlockReader>& Table() {
    static std::map<std::string, Cpp_BlockReader> table;
    return table;
}
}  // namespace

void RegisterBlockReader(const std::string& word, Cpp_BlockReader reader) {
    Table()[word] = std::move(reader);
}

const Cpp_BlockReader* FindBlockReader(const std::string& word) {
    auto it = Table().find(word);
    return it == Table().end() || !it->second ? nullptr : &it->second;
}

void ClearBlockReaders() { Table().clear(); }
