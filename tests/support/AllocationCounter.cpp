#include "support/AllocationCounter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace tevo::test {
namespace {

struct ThreadHeap {
    bool counting = false;
    std::size_t allocations = 0;
    std::size_t inUse = 0;  // may dip below zero relative to the start
    std::size_t startInUse = 0;
    std::size_t peak = 0;
};

thread_local ThreadHeap threadHeap;

std::size_t blockSize(void* memory) {
#ifdef _WIN32
    return _msize(memory);
#else
    return malloc_usable_size(memory);
#endif
}

void noteAllocation(void* memory) {
    ThreadHeap& heap = threadHeap;
    heap.inUse += blockSize(memory);
    if (heap.counting) {
        ++heap.allocations;
        if (heap.inUse > heap.peak) {
            heap.peak = heap.inUse;
        }
    }
}

void noteRelease(void* memory) {
    if (memory) {
        threadHeap.inUse -= blockSize(memory);
    }
}

void* allocate(std::size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (!memory) {
        throw std::bad_alloc();
    }
    noteAllocation(memory);
    return memory;
}

void release(void* memory) noexcept {
    noteRelease(memory);
    std::free(memory);
}

}  // namespace

HeapCount::HeapCount() {
    ThreadHeap& heap = threadHeap;
    heap.counting = true;
    heap.allocations = 0;
    heap.startInUse = heap.inUse;
    heap.peak = heap.inUse;
}

HeapCount::~HeapCount() {
    if (running_) {
        stop();
    }
}

HeapUse HeapCount::stop() {
    ThreadHeap& heap = threadHeap;
    heap.counting = false;
    running_ = false;
    return HeapUse{heap.allocations, heap.peak - heap.startInUse};
}

}  // namespace tevo::test

// Replacements of the global allocation functions for the whole program.
void* operator new(std::size_t size) {
    return tevo::test::allocate(size);
}
void* operator new[](std::size_t size) {
    return tevo::test::allocate(size);
}
void operator delete(void* memory) noexcept {
    tevo::test::release(memory);
}
void operator delete[](void* memory) noexcept {
    tevo::test::release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    tevo::test::release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    tevo::test::release(memory);
}
