#include "bank/exam_class.h"

CurrentPoolCells CurrentPools;

const ExamClass ExamClasses[ClassCount] = {
    {'B', 100, 60, &CurrentPools.BasicBegin, &CurrentPools.BasicEnd},
    {'A', 50, 30, &CurrentPools.AdvancedBegin, &CurrentPools.AdvancedEnd},
};

QuestionPool CurrentPoolOf(int classIndex) {
    if (classIndex < 0 || classIndex >= ClassCount) return QuestionPool{nullptr, nullptr};
    const ExamClass& c = ExamClasses[classIndex];
    return QuestionPool{*c.PoolBeginRef, *c.PoolEndRef};
}

void SelectLanguagePools(int language) {
    int basic, advanced;
    if (language == LanguageEnglish) {
        basic = PoolBasicEn;
        advanced = PoolAdvancedEn;
    } else if (language == LanguageFrench) {
        basic = PoolBasicFr;
        advanced = PoolAdvancedFr;
    } else {
        return;
    }
    CurrentPools.BasicBegin = Pools[basic].PoolBegin;
    CurrentPools.BasicEnd = Pools[basic].PoolEnd;
    CurrentPools.AdvancedBegin = Pools[advanced].PoolBegin;
    CurrentPools.AdvancedEnd = Pools[advanced].PoolEnd;
}
