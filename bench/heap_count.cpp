// Counts the heap allocations of the whole process: the malloc family is taken over
// here and handed on to glibc's own allocator. operator new reaches it through malloc.

#include <atomic>
#include <cerrno>
#include <cstddef>

#include "bench.h"

extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *block, size_t size);
void *__libc_memalign(size_t alignment, size_t size);
}

namespace {
std::atomic<uint64_t> g_allocations{0};

void count() { g_allocations.fetch_add(1, std::memory_order_relaxed); }
}  // namespace

uint64_t vxbench::heap_allocations() { return g_allocations.load(std::memory_order_relaxed); }

extern "C" {

void *malloc(size_t size) {
    count();
    return __libc_malloc(size);
}

void *calloc(size_t count_of, size_t size) {
    count();
    return __libc_calloc(count_of, size);
}

void *realloc(void *block, size_t size) {
    count();
    return __libc_realloc(block, size);
}

void *memalign(size_t alignment, size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

void *aligned_alloc(size_t alignment, size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void **block, size_t alignment, size_t size) {
    count();
    void *memory = __libc_memalign(alignment, size);
    if (memory == nullptr) return ENOMEM;
    *block = memory;
    return 0;
}

}  // extern "C"
