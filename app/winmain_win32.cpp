#include "bank/exam_class.h"
#include "bank/pool_resources.h"
#include "engine/test_state.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!LoadQuestionPools()) return 1;
    SelectLanguagePools(LanguageEnglish);
    GenerateTest(&Test, ClassBasic, timeGetTime());
    return 0;
}
