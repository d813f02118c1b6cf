#include "bank/pool.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

QuestionPool Pools[PoolCount];

// Every byte of a code key is common in a pool (each code starts with the
// class letter), so the scan filters on two bytes at once: a position is a
// candidate only when the key's first byte is there and its last byte sits
// where the key would end, and only candidates are compared in full. The
// filter tests 16 positions per compare with SSE2, which every x86-64 has,
// or 32 with AVX2 and 64 with AVX-512 where the processor has them. Both loads of a position stay
// inside [begin, end): the last position tried is end - keyLength.
namespace {

struct Search {
    const char* Key;
    size_t Length;
    const char* Last; // the last position a match can start at
};

// The first of the positions p + i, for the bits i of mask, whose middle
// bytes match as well.
inline const char* CheckCandidates(const char* p, unsigned long long mask, const Search& s) {
    while (mask) {
        int i = __builtin_ctzll(mask);
        if (memcmp(p + i + 1, s.Key + 1, s.Length - 2) == 0) return p + i;
        mask &= mask - 1;
    }
    return nullptr;
}

// Positions p .. s.Last one by one.
const char* FindBytes(const char* p, const Search& s) {
    const char first = s.Key[0], final = s.Key[s.Length - 1];
    for (; p <= s.Last; ++p)
        if (p[0] == first && p[s.Length - 1] == final &&
            memcmp(p + 1, s.Key + 1, s.Length - 2) == 0)
            return p;
    return nullptr;
}

// The next multiple of width (a power of two) above p: after one unaligned
// step of width positions at p, the rounds go on from there, so that their
// first loads never straddle two cache lines. The positions the step and
// the rounds both cover are compared twice, never skipped.
inline const char* NextAligned(const char* p, uintptr_t width) {
    return (const char*)(((uintptr_t)p + width) & ~(width - 1));
}

#if defined(__SSE2__)
const char* FindSse2(const char* p, const Search& s) {
    const __m128i firsts = _mm_set1_epi8(s.Key[0]), finals = _mm_set1_epi8(s.Key[s.Length - 1]);
    const size_t tail = s.Length - 1;
    auto match = [&](const char* at) {
        return _mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128((const __m128i*)at), firsts),
                             _mm_cmpeq_epi8(_mm_loadu_si128((const __m128i*)(at + tail)), finals));
    };
    if (s.Last - p >= 15) {
        unsigned mask = (unsigned)_mm_movemask_epi8(match(p));
        if (mask)
            if (const char* found = CheckCandidates(p, mask, s)) return found;
        p = NextAligned(p, 16);
    }
    // 64 positions per round while all of them are at most Last.
    while (s.Last - p >= 63) {
        __m128i m0 = match(p), m1 = match(p + 16), m2 = match(p + 32), m3 = match(p + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(m0, m1), _mm_or_si128(m2, m3)))) {
            unsigned long long mask = (unsigned long long)(unsigned)_mm_movemask_epi8(m0) |
                                      (unsigned long long)(unsigned)_mm_movemask_epi8(m1) << 16 |
                                      (unsigned long long)(unsigned)_mm_movemask_epi8(m2) << 32 |
                                      (unsigned long long)(unsigned)_mm_movemask_epi8(m3) << 48;
            if (const char* found = CheckCandidates(p, mask, s)) return found;
        }
        p += 64;
    }
    while (s.Last - p >= 15) {
        unsigned mask = (unsigned)_mm_movemask_epi8(match(p));
        if (mask)
            if (const char* found = CheckCandidates(p, mask, s)) return found;
        p += 16;
    }
    return FindBytes(p, s);
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
#define KORVANE_AVX2 1
// Compiled for AVX2 alone and called only when the processor has it. (A
// MinGW stack is only 16-byte aligned; its vector spills are unaligned moves.)
__attribute__((target("avx2"))) const char* FindAvx2(const char* p, const Search& s) {
    const __m256i firsts = _mm256_set1_epi8(s.Key[0]);
    const __m256i finals = _mm256_set1_epi8(s.Key[s.Length - 1]);
    const size_t tail = s.Length - 1;
    if (s.Last - p >= 31) {
        unsigned mask = (unsigned)_mm256_movemask_epi8(_mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)p), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + tail)), finals)));
        if (mask)
            if (const char* found = CheckCandidates(p, mask, s)) return found;
        p = NextAligned(p, 32);
    }
    while (s.Last - p >= 127) {
        __m256i m0 = _mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)p), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + tail)), finals));
        __m256i m1 = _mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 32)), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 32 + tail)), finals));
        __m256i m2 = _mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 64)), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 64 + tail)), finals));
        __m256i m3 = _mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 96)), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + 96 + tail)), finals));
        if (!_mm256_testz_si256(_mm256_or_si256(m0, m1), _mm256_or_si256(m0, m1)) ||
            !_mm256_testz_si256(_mm256_or_si256(m2, m3), _mm256_or_si256(m2, m3))) {
            unsigned long long low = (unsigned long long)(unsigned)_mm256_movemask_epi8(m0) |
                                     (unsigned long long)(unsigned)_mm256_movemask_epi8(m1) << 32;
            if (const char* found = CheckCandidates(p, low, s)) return found;
            unsigned long long high = (unsigned long long)(unsigned)_mm256_movemask_epi8(m2) |
                                      (unsigned long long)(unsigned)_mm256_movemask_epi8(m3) << 32;
            if (const char* found = CheckCandidates(p + 64, high, s)) return found;
        }
        p += 128;
    }
    while (s.Last - p >= 31) {
        unsigned mask = (unsigned)_mm256_movemask_epi8(_mm256_and_si256(
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)p), firsts),
            _mm256_cmpeq_epi8(_mm256_loadu_si256((const __m256i*)(p + tail)), finals)));
        if (mask)
            if (const char* found = CheckCandidates(p, mask, s)) return found;
        p += 32;
    }
    return FindBytes(p, s);
}
// 64 positions per compare, and the compare of the last byte runs only where
// the first matched, so both take one instruction each.
#define KORVANE_MATCH64(at, firsts, finals, tail)                                                  \
    _mm512_mask_cmpeq_epi8_mask(_mm512_cmpeq_epi8_mask(_mm512_loadu_si512(at), firsts),            \
                                _mm512_loadu_si512((at) + (tail)), finals)

// Rounds of 256 positions from p while all of them are at most Last; stops
// at the first round with a candidate and leaves its four masks in found.
// It calls nothing, so the two byte vectors stay in registers for the whole
// sweep: with a call in the loop they live on the stack and every round
// loads them back beside its own eight loads.
__attribute__((target("avx512bw"), noinline)) const char* Rounds512(const char* p, const Search& s,
                                                                    __mmask64 found[4]) {
    const __m512i firsts = _mm512_set1_epi8(s.Key[0]);
    const __m512i finals = _mm512_set1_epi8(s.Key[s.Length - 1]);
    const size_t tail = s.Length - 1;
    for (; s.Last - p >= 255; p += 256) {
        // Asking for the lines two rounds ahead measured a few per cent
        // faster on pools of the shipped size; never beyond the range.
        if (s.Last - p >= 767)
            for (int i = 512; i < 768; i += 64)
                _mm_prefetch(p + i, _MM_HINT_T0);
        __mmask64 m0 = KORVANE_MATCH64(p, firsts, finals, tail);
        __mmask64 m1 = KORVANE_MATCH64(p + 64, firsts, finals, tail);
        __mmask64 m2 = KORVANE_MATCH64(p + 128, firsts, finals, tail);
        __mmask64 m3 = KORVANE_MATCH64(p + 192, firsts, finals, tail);
        if (!_kortestz_mask64_u8(_kor_mask64(m0, m1), _kor_mask64(m2, m3))) {
            found[0] = m0, found[1] = m1, found[2] = m2, found[3] = m3;
            break;
        }
    }
    return p;
}

__attribute__((target("avx512bw"))) const char* FindAvx512(const char* p, const Search& s) {
    const __m512i firsts = _mm512_set1_epi8(s.Key[0]);
    const __m512i finals = _mm512_set1_epi8(s.Key[s.Length - 1]);
    const size_t tail = s.Length - 1;
    if (s.Last - p >= 63) {
        if (const char* found = CheckCandidates(p, KORVANE_MATCH64(p, firsts, finals, tail), s))
            return found;
        p = NextAligned(p, 64);
    }
    __mmask64 masks[4];
    while (s.Last - (p = Rounds512(p, s, masks)) >= 255) {
        for (int i = 0; i < 4; ++i)
            if (const char* found = CheckCandidates(p + 64 * i, masks[i], s)) return found;
        p += 256;
    }
    while (s.Last - p >= 63) {
        if (const char* found = CheckCandidates(p, KORVANE_MATCH64(p, firsts, finals, tail), s))
            return found;
        p += 64;
    }
    return FindBytes(p, s);
}
#undef KORVANE_MATCH64
#endif

int ProcessorWidth() {
#if defined(KORVANE_AVX2)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) return SearchAvx512;
    if (__builtin_cpu_supports("avx2")) return SearchAvx2;
#endif
#if defined(__SSE2__)
    return SearchSse2;
#else
    return SearchBytes;
#endif
}

} // namespace

int WidestSearch() {
    static const int width = ProcessorWidth();
    return width;
}

const char* FindInPoolWith(int width, const char* begin, const char* end, const char* key) {
    if (!begin || !end || !key || end < begin) return nullptr;
    size_t keyLength = strlen(key);
    size_t size = (size_t)(end - begin);
    if (keyLength == 0 || keyLength > size) return nullptr;
    if (keyLength == 1) return (const char*)memchr(begin, key[0], size);
    Search s = {key, keyLength, end - keyLength};
    if (width > WidestSearch()) width = WidestSearch();
    switch (width) {
#if defined(KORVANE_AVX2)
    case SearchAvx512: return FindAvx512(begin, s);
    case SearchAvx2: return FindAvx2(begin, s);
#endif
#if defined(__SSE2__)
    case SearchSse2: return FindSse2(begin, s);
#endif
    default: return FindBytes(begin, s);
    }
}

const char* FindInPool(const char* begin, const char* end, const char* key) {
    return FindInPoolWith(WidestSearch(), begin, end, key);
}

// Position just past the next LF, or end.
static const char* NextLine(const char* p, const char* end) {
    const char* lf = (const char*)memchr(p, '\n', (size_t)(end - p));
    return lf ? lf + 1 : end;
}

// Copies the line at p (up to, not including, its LF) into out, cut to fit;
// returns the position past the LF.
static const char* CopyLine(const char* p, const char* end, char* out, size_t outSize) {
    const char* lf = (const char*)memchr(p, '\n', (size_t)(end - p));
    const char* stop = lf ? lf : end;
    size_t n = (size_t)(stop - p);
    if (n > outSize - 1) n = outSize - 1;
    memcpy(out, p, n);
    out[n] = '\0';
    return lf ? lf + 1 : end;
}

int ReadSectionList(const char* begin, const char* end, SectionList* list) {
    const char* p = FindInPool(begin, end, "[SECTIONS]");
    if (!p) return 0;
    p = NextLine(p, end);
    char countText[16];
    p = CopyLine(p, end, countText, sizeof countText);
    long count = atol(countText);
    if (count < 0) count = 0;
    if (count > MaxSections) count = MaxSections;
    list->Count = 0;
    for (long i = 0; i < count; ++i) {
        // A pool that ends inside its section list yields the sections it has.
        if (end - p < SectionCodeLength) break;
        memcpy(list->Codes[i], p, SectionCodeLength);
        list->Codes[i][SectionCodeLength] = '\0';
        list->Count = (int)i + 1;
        p = NextLine(p, end);
    }
    return 1;
}

int LookUpQuestion(const char* begin, const char* end, const char* key, QuestionRecord* record) {
    const char* p = FindInPool(begin, end, key);
    if (!p || end - p < QuestionCodeLength) return 0;
    QuestionRecord r;
    memcpy(r.Code, p, QuestionCodeLength);
    r.Code[QuestionCodeLength] = '\0';
    p += QuestionCodeLength;
    const char* paren = (const char*)memchr(p, '(', (size_t)(end - p));
    // A block cut off before its answer digit has no answer that can count.
    r.Correct = (paren && paren + 1 < end) ? (unsigned char)paren[1] - '1' : -1;
    p = paren ? NextLine(paren, end) : end;
    p = CopyLine(p, end, r.Text, sizeof r.Text);
    for (int i = 0; i < 4; ++i)
        p = CopyLine(p, end, r.Answers[i], sizeof r.Answers[i]);
    *record = r;
    return 1;
}
