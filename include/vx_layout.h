/* Compile-time checks of record layouts. The libraries that read a record do so by its
   version, as a plain structure of 32-bit words: on a 32-bit target every field must
   sit at the word its description gives and the record must have exactly its size. On
   a 64-bit target, where texts and handles take two words, the fields keep their order.
   The checks beside each type are written with these macros; they work in C99 (a
   negative array size stops the build), C11 and C++. */
#ifndef VX_LAYOUT_H
#define VX_LAYOUT_H

#include <stddef.h>
#include <stdint.h>

#if defined(__cplusplus)
#define VX_LAYOUT_ASSERT(cond, name) static_assert(cond, #name)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define VX_LAYOUT_ASSERT(cond, name) _Static_assert(cond, #name)
#else
#define VX_LAYOUT_ASSERT(cond, name) typedef char vx_layout_##name[(cond) ? 1 : -1]
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
#define VX_LAYOUT_WORD32 1
#else
#define VX_LAYOUT_WORD32 0
#endif

/* The first field of `type` opens it. */
#define VX_LAYOUT_FIRST(type, field) VX_LAYOUT_ASSERT(offsetof(type, field) == 0, type##_##field##_first)

#if VX_LAYOUT_WORD32
/* `field` follows `prev` and, on a 32-bit target, starts at byte `offset`. */
#define VX_LAYOUT_AT(type, prev, field, offset) \
    VX_LAYOUT_ASSERT(offsetof(type, field) == (offset), type##_##field##_at_offset)
/* `type` ends with `last` and, on a 32-bit target, is `words` 32-bit words long. */
#define VX_LAYOUT_SIZE(type, last, words) VX_LAYOUT_ASSERT(sizeof(type) == 4 * (words), type##_size_in_words)
#else
#define VX_LAYOUT_AT(type, prev, field, offset) \
    VX_LAYOUT_ASSERT(offsetof(type, field) > offsetof(type, prev), type##_##field##_after_##prev)
#define VX_LAYOUT_SIZE(type, last, words) VX_LAYOUT_ASSERT(sizeof(type) > offsetof(type, last), type##_ends_with_##last)
#endif

/* `field` follows `prev` and, on a 32-bit target, fills word `word` (counted from 0). */
#define VX_LAYOUT_FIELD(type, prev, field, word) VX_LAYOUT_AT(type, prev, field, 4 * (word))

#endif
