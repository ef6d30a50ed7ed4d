// Memory of the element tree. Elements, their child lists and the texts of
// primitives are taken from the arena of the current document when one is
// open on this thread, and from the heap otherwise. An arena hands out memory
// by bumping a pointer through a few large blocks and gives it back all at
// once, so building and freeing a document costs a handful of heap calls
// instead of several per element.
//
// Ownership does not change: every element is still deleted by its parent
// (its destructor runs); releasing arena memory only does the bookkeeping.
// An arena whose elements outlive it stays alive until the last of them is
// released, so a tree may safely outlive the scope that built it.
#pragma once

#include <cstddef>

namespace fhir {

namespace treememory {

// Memory for `size` bytes, aligned for any element, from the current arena
// or the heap. Throws std::bad_alloc when memory is exhausted.
void* allocate(std::size_t size);
// Gives back memory from allocate; null is ignored.
void release(void* memory) noexcept;

}  // namespace treememory

// Opens an arena for the calling thread: tree memory allocated on this thread
// comes from it until the object is destroyed, which restores the arena that
// was current before (arenas nest).
class DocumentArena {
public:
    DocumentArena();
    ~DocumentArena();
    DocumentArena(const DocumentArena&) = delete;
    DocumentArena& operator=(const DocumentArena&) = delete;

    // Bytes taken from the heap for blocks so far (tests and benchmarks).
    std::size_t reservedBytes() const;

    struct Pool;

private:
    Pool* pool_;
    Pool* previous_;
};

}  // namespace fhir
