// The two exam classes and the pools of the current language.
#pragma once

#include "bank/pool.h"

enum { ClassBasic = 0, ClassAdvanced = 1, ClassCount = 2 };
enum { LanguageEnglish = 1, LanguageFrench = 2 };

// The current Basic and Advanced pools; null until the language selection.
struct CurrentPoolCells {
    const char* BasicBegin;
    const char* BasicEnd;
    const char* AdvancedBegin;
    const char* AdvancedEnd;
};
extern CurrentPoolCells CurrentPools;

struct ExamClass {
    char Letter;
    int QuestionCount;
    int PassMark;
    // Cells of CurrentPools, so that the table itself never changes.
    const char* const* PoolBeginRef;
    const char* const* PoolEndRef;
};
extern const ExamClass ExamClasses[ClassCount];

// Current pool of a class; an empty range for an unknown class index.
QuestionPool CurrentPoolOf(int classIndex);

// Sets CurrentPools from a language value (1 English, 2 French); any other
// value changes nothing. The string table follows in SelectLanguage.
void SelectLanguagePools(int language);
