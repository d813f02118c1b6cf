// The user's options, kept in the registry between runs.
#pragma once

#include <cstdint>

// The platform's LOGFONTA as it lies in memory: 60 bytes, stored as is.
struct StoredFont {
    int32_t Height, Width, Escapement, Orientation, Weight;
    uint8_t Italic, Underline, StrikeOut, CharSet, OutPrecision, ClipPrecision, Quality,
        PitchAndFamily;
    char FaceName[32];
};
static_assert(sizeof(StoredFont) == 60, "LOGFONTA layout");

struct Options {
    int ShowAnswerBefore;
    int PlaySounds;
    int ShowLogLabels;
    int Language; // 1 English, 2 French
    StoredFont PrintFont;
};

extern Options CurrentOptions;

// Exam (1) or Browse (0); reset to Exam with the option defaults.
enum { ModeBrowse = 0, ModeExam = 1 };
extern int Mode;

// All options to their defaults, and Mode to Exam.
void SetDefaultOptions();

// Makes options read from a hand-editable store safe to use: a language other
// than 1 and 2 becomes English, and the face name of the print font is always
// terminated (its last byte is cut when the stored name fills all 32).
void CheckLoadedOptions(Options* options);

// Decimal text as the store holds it: leading white space, optional sign,
// digits; anything else gives 0. Never overflows.
int ParseDecimal(const char* text);
