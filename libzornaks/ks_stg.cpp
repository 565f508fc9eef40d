// Storage areas: an arena of heap chunks handing out 16-byte aligned blocks that all
// live until the area is released. A warm area (one that was reset) serves a whole
// command from the chunk it kept, without going to the heap.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "libzornaks.h"

namespace {

constexpr size_t kAlign = 16;
constexpr size_t kFirstChunk = 4096;
// Chunks double up to this size; past it every new chunk has this size.
constexpr size_t kLargestRegularChunk = 1024 * 1024;

// One heap allocation of the area. The blocks follow the header, from `begin` on.
struct Chunk {
    Chunk *next;
    size_t capacity;  // usable bytes from `begin`
    char *begin;
    char *cursor;  // next free byte
};

size_t round_up(size_t bytes) { return (bytes + (kAlign - 1)) & ~(kAlign - 1); }

bool is_heap(const stg_area_t *area) { return area == STG_HEAP_AREA; }

}  // namespace

struct stg_area {
    Chunk *chunks;  // the chunk small blocks are cut from comes first
    size_t used;    // bytes handed out since creation or the last reset
    size_t limit;   // 0: no cap
    size_t next_chunk;
    bool ran_out;  // a block could not be supplied since creation or the last reset
};

namespace {

// A chunk with at least `capacity` usable bytes, its blocks aligned to kAlign whatever
// alignment the heap gives.
Chunk *new_chunk(size_t capacity) {
    // No object may be larger than PTRDIFF_MAX: pointer differences within it must work.
    const size_t header = sizeof(Chunk) + kAlign;
    if (capacity > static_cast<size_t>(PTRDIFF_MAX) - header) return nullptr;
    void *memory = std::malloc(header + capacity);
    if (memory == nullptr) return nullptr;
    Chunk *chunk = static_cast<Chunk *>(memory);
    const uintptr_t first = reinterpret_cast<uintptr_t>(chunk + 1);
    chunk->begin = reinterpret_cast<char *>((first + (kAlign - 1)) & ~static_cast<uintptr_t>(kAlign - 1));
    chunk->cursor = chunk->begin;
    chunk->capacity = capacity;
    chunk->next = nullptr;
    return chunk;
}

size_t room(const Chunk *chunk) { return chunk->capacity - static_cast<size_t>(chunk->cursor - chunk->begin); }

void *cut(Chunk *chunk, size_t bytes) {
    void *block = chunk->cursor;
    chunk->cursor += bytes;
    return block;
}

void free_chunks(Chunk *chunk) {
    while (chunk != nullptr) {
        Chunk *next = chunk->next;
        std::free(chunk);
        chunk = next;
    }
}

}  // namespace

extern "C" {

stg_area_t *stg_area_create(void) {
    stg_area_t *area = static_cast<stg_area_t *>(std::malloc(sizeof(stg_area_t)));
    if (area == nullptr) return nullptr;
    area->chunks = nullptr;
    area->used = 0;
    area->limit = 0;
    area->next_chunk = kFirstChunk;
    area->ran_out = false;
    return area;
}

void stg_area_release(stg_area_t *area) {
    if (area == nullptr || is_heap(area)) return;
    free_chunks(area->chunks);
    std::free(area);
}

void stg_area_reset(stg_area_t *area) {
    if (area == nullptr || is_heap(area)) return;
    Chunk *largest = nullptr;
    for (Chunk *chunk = area->chunks; chunk != nullptr; chunk = chunk->next)
        if (largest == nullptr || chunk->capacity > largest->capacity) largest = chunk;
    Chunk *chunk = area->chunks;
    while (chunk != nullptr) {
        Chunk *next = chunk->next;
        if (chunk != largest) std::free(chunk);
        chunk = next;
    }
    if (largest != nullptr) {
        largest->next = nullptr;
        largest->cursor = largest->begin;
    }
    area->chunks = largest;
    area->used = 0;
    area->ran_out = false;
}

size_t stg_area_bytes_used(const stg_area_t *area) {
    if (area == nullptr || is_heap(area)) return 0;
    return area->used;
}

int stg_area_ran_out(const stg_area_t *area) { return area != nullptr && !is_heap(area) && area->ran_out ? 1 : 0; }

void stg_area_set_limit(stg_area_t *area, size_t max_bytes) {
    if (area == nullptr || is_heap(area)) return;
    area->limit = max_bytes;
}

namespace {
// The process heap as an area: one arena for the whole process, never released. Its
// chunks stay reachable from here, so leak checkers do not count them as lost.
stg_area g_heap_area{nullptr, 0, 0, kFirstChunk, false};
std::mutex g_heap_mutex;

void *heap_alloc(size_t bytes) {
    std::lock_guard<std::mutex> lock(g_heap_mutex);
    return stg_alloc(&g_heap_area, bytes);
}

// No block: the area remembers it ran out, for its owner to tell from its caller's status.
void *refused(stg_area_t *area) {
    area->ran_out = true;
    return nullptr;
}
}  // namespace

void *stg_alloc(stg_area_t *area, size_t bytes) {
    if (area == nullptr) return nullptr;
    // A block of 0 bytes is still a block of its own, distinct from every other.
    if (is_heap(area)) return heap_alloc(bytes);
    if (bytes > SIZE_MAX - kAlign) return refused(area);
    const size_t size = bytes == 0 ? kAlign : round_up(bytes);
    if (area->limit != 0 && (size > area->limit || area->used > area->limit - size)) return refused(area);

    Chunk *current = area->chunks;
    if (current != nullptr && room(current) >= size) {
        area->used += size;
        return cut(current, size);
    }
    // A block bigger than a quarter of a regular chunk gets a chunk of its own, placed
    // behind the current one so that small blocks go on filling the current chunk.
    if (size > area->next_chunk / 4) {
        Chunk *own = new_chunk(size);
        if (own == nullptr) return refused(area);
        if (current != nullptr) {
            own->next = current->next;
            current->next = own;
        } else {
            area->chunks = own;
        }
        area->used += size;
        return cut(own, size);
    }
    Chunk *fresh = new_chunk(area->next_chunk);
    if (fresh == nullptr) return refused(area);
    if (area->next_chunk < kLargestRegularChunk) area->next_chunk *= 2;
    fresh->next = area->chunks;
    area->chunks = fresh;
    area->used += size;
    return cut(fresh, size);
}

char *stg_area_strdup(stg_area_t *area, const char *text) {
    if (text == nullptr) return nullptr;
    const size_t length = std::strlen(text);
    char *copy = static_cast<char *>(stg_alloc(area, length + 1));
    if (copy != nullptr) std::memcpy(copy, text, length + 1);
    return copy;
}

}  // extern "C"
