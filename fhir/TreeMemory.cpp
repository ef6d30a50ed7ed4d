#include "fhir/TreeMemory.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace fhir {
namespace {

// Every allocation starts with this header; it tells release where the memory
// came from. Its size keeps the memory behind it aligned for any element.
struct alignas(alignof(std::max_align_t)) Header {
    DocumentArena::Pool* pool;  // null: taken from the heap
};

constexpr std::size_t kAlignment = alignof(std::max_align_t);
// A full eAU certificate takes about 100 KiB; the first block of each thread
// is kept for the next document (see BlockCache).
constexpr std::size_t kFirstBlockSize = 256 * 1024;
constexpr std::size_t kLargestBlockSize = 1024 * 1024;

constexpr std::size_t roundUp(std::size_t size) {
    return (size + kAlignment - 1) & ~(kAlignment - 1);
}

struct Block {
    Block* next;
    std::size_t size;
};

// The first block of the last closed arena of this thread, taken again by the
// next arena: a thread that builds documents one after the other takes no
// memory from the heap for them after the first. Freed at thread exit.
class BlockCache {
public:
    BlockCache() = default;
    BlockCache(const BlockCache&) = delete;
    BlockCache& operator=(const BlockCache&) = delete;
    ~BlockCache() { ::operator delete(block_); }

    void* take() {
        void* block = block_;
        block_ = nullptr;
        return block ? block : ::operator new(kFirstBlockSize);
    }
    void give(void* block) {
        ::operator delete(block_);
        block_ = block;
    }

private:
    void* block_ = nullptr;
};

thread_local BlockCache blockCache;

}  // namespace

// The blocks of one arena. The pool lives at the start of its first block.
struct DocumentArena::Pool {
    Block* blocks = nullptr;
    char* next = nullptr;
    char* end = nullptr;
    std::size_t nextBlockSize = kFirstBlockSize;
    std::size_t reserved = 0;
    std::size_t live = 0;  // allocations not yet released
    bool closed = false;

    static Pool* create() {
        void* memory = blockCache.take();
        auto* block = static_cast<Block*>(memory);
        block->next = nullptr;
        block->size = kFirstBlockSize;
        char* afterBlock = static_cast<char*>(memory) + roundUp(sizeof(Block));
        auto* pool = new (afterBlock) Pool();
        pool->blocks = block;
        pool->next = afterBlock + roundUp(sizeof(Pool));
        pool->end = static_cast<char*>(memory) + kFirstBlockSize;
        pool->nextBlockSize = kFirstBlockSize * 2;
        pool->reserved = kFirstBlockSize;
        return pool;
    }

    // The first block goes back to the cache of the thread that destroys
    // the pool, the others to the heap.
    static void destroy(Pool* pool) noexcept {
        Block* first = pool->blocks;
        pool->~Pool();
        for (Block* block = first->next; block;) {
            Block* next = block->next;
            ::operator delete(block);
            block = next;
        }
        blockCache.give(first);
    }

    void* take(std::size_t bytes) {
        if (static_cast<std::size_t>(end - next) < bytes) {
            grow(bytes);
        }
        void* memory = next;
        next += bytes;
        ++live;
        return memory;
    }

    void grow(std::size_t bytes) {
        const std::size_t size = std::max(nextBlockSize, bytes + roundUp(sizeof(Block)));
        void* memory = ::operator new(size);
        auto* block = static_cast<Block*>(memory);
        // The first block holds the pool itself and stays first.
        block->next = blocks->next;
        block->size = size;
        blocks->next = block;
        next = static_cast<char*>(memory) + roundUp(sizeof(Block));
        end = static_cast<char*>(memory) + size;
        reserved += size;
        nextBlockSize = std::min(nextBlockSize * 2, kLargestBlockSize);
    }
};

namespace {

// The arena of the calling thread's current document. The initial-exec model
// keeps the access a plain load in the shared library as well.
[[gnu::tls_model("initial-exec")]] thread_local DocumentArena::Pool* currentPool = nullptr;

}  // namespace

namespace treememory {

void* allocate(std::size_t size) {
    const std::size_t bytes = sizeof(Header) + roundUp(size);
    DocumentArena::Pool* pool = currentPool;
    void* memory = pool ? pool->take(bytes) : ::operator new(bytes);
    auto* header = static_cast<Header*>(memory);
    header->pool = pool;
    return header + 1;
}

void release(void* memory) noexcept {
    if (!memory) {
        return;
    }
    Header* header = static_cast<Header*>(memory) - 1;
    DocumentArena::Pool* pool = header->pool;
    if (!pool) {
        ::operator delete(header);
        return;
    }
    --pool->live;
    if (pool->closed && pool->live == 0) {
        DocumentArena::Pool::destroy(pool);
    }
}

}  // namespace treememory

DocumentArena::DocumentArena() : pool_(Pool::create()), previous_(currentPool) {
    currentPool = pool_;
}

DocumentArena::~DocumentArena() {
    currentPool = previous_;
    if (pool_->live == 0) {
        Pool::destroy(pool_);
    } else {
        pool_->closed = true;
    }
}

std::size_t DocumentArena::reservedBytes() const {
    return pool_->reserved;
}

}  // namespace fhir
