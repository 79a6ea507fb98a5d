// The selection's scans over a list's scores, four lanes at a time where the
// processor has them: lists run to dozens of moves.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <smmintrin.h>
#endif

namespace quintavo::engine {

// The highest of scores[begin, end), begin < end, with SSE2 alone (every
// x86-64 processor has it).
inline std::int32_t HighestScoreSse2(const std::int32_t* scores, int begin, int end) {
    std::int32_t best = scores[begin];
    int j = begin + 1;
#if defined(__SSE2__)
    __m128i top = _mm_set1_epi32(best);
    for (; j + 4 <= end; j += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scores + j));
        const __m128i greater = _mm_cmpgt_epi32(v, top);
        top = _mm_or_si128(_mm_and_si128(greater, v), _mm_andnot_si128(greater, top));
    }
    alignas(16) std::int32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), top);
    best = std::max(std::max(lanes[0], lanes[1]), std::max(lanes[2], lanes[3]));
#endif
    for (; j < end; ++j)
        best = std::max(best, scores[j]);
    return best;
}

#if defined(__SSE2__) && defined(__GNUC__)
// The same with SSE4.1's four-lane maximum, one instruction instead of four.
// The plain build targets SSE2 alone, so the program asks the processor once.
// It cannot inline into an SSE2 caller; static, each file's copy is its own,
// and the caller saves only the registers it really uses.
__attribute__((target("sse4.1"))) static inline std::int32_t
HighestScoreSse41(const std::int32_t* scores, int begin, int end) {
    std::int32_t best = scores[begin];
    int j = begin + 1;
    __m128i top = _mm_set1_epi32(best);
    for (; j + 4 <= end; j += 4)
        top = _mm_max_epi32(top, _mm_loadu_si128(reinterpret_cast<const __m128i*>(scores + j)));
    top = _mm_max_epi32(top, _mm_shuffle_epi32(top, _MM_SHUFFLE(1, 0, 3, 2)));
    top = _mm_max_epi32(top, _mm_shuffle_epi32(top, _MM_SHUFFLE(2, 3, 0, 1)));
    best = _mm_cvtsi128_si32(top);
    for (; j < end; ++j)
        best = std::max(best, scores[j]);
    return best;
}

// Asked in a static initializer, which may run before the compiler's own
// detection has: it is started here first.
inline const bool HaveSse41 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse4.1") != 0;
}();

inline std::int32_t HighestScore(const std::int32_t* scores, int begin, int end) {
    return HaveSse41 ? HighestScoreSse41(scores, begin, end) : HighestScoreSse2(scores, begin, end);
}
#else
inline std::int32_t HighestScore(const std::int32_t* scores, int begin, int end) {
    return HighestScoreSse2(scores, begin, end);
}
#endif

// The first index from begin on whose score is the given one; there is one.
inline int FirstWithScore(const std::int32_t* scores, int begin, int end, std::int32_t score) {
    int at = begin;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi32(score);
    for (; at + 4 <= end; at += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(scores + at));
        const int mask = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, wanted)));
        if (mask != 0) return at + std::countr_zero(static_cast<unsigned>(mask));
    }
#endif
    while (scores[at] != score)
        ++at;
    return at;
}

} // namespace quintavo::engine
