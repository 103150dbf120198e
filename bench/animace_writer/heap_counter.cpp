#include "heap_counter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> live{0};
std::atomic<long long> peak{0};

void Account(long long bytes) {
    const long long now = live.fetch_add(bytes) + bytes;
    long long seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

}  // namespace

long long LiveHeapBytes() { return live.load(); }
long long PeakHeapBytes() { return peak.load(); }
void ResetPeakHeap() { peak.store(live.load()); }

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    Account(static_cast<long long>(malloc_usable_size(block)));
    return block;
}

void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    Account(-static_cast<long long>(malloc_usable_size(block)));
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
