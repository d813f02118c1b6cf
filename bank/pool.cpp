#include "bank/pool.h"

#include <cstdlib>
#include <cstring>

QuestionPool Pools[PoolCount];

const char* FindInPool(const char* begin, const char* end, const char* key) {
    if (!begin || !end || !key || end < begin) return nullptr;
    size_t keyLength = strlen(key);
    size_t size = (size_t)(end - begin);
    if (keyLength == 0 || keyLength > size) return nullptr;
    const char* last = end - keyLength;
    for (const char* p = begin; p <= last; ++p) {
        p = (const char*)memchr(p, key[0], (size_t)(last - p) + 1);
        if (!p) return nullptr;
        if (memcmp(p, key, keyLength) == 0) return p;
    }
    return nullptr;
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
    for (int i = 0; i < 4; ++i) p = CopyLine(p, end, r.Answers[i], sizeof r.Answers[i]);
    *record = r;
    return 1;
}
