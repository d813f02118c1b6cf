#include "ui/layout.h"

const LayoutRecord LayoutTable[] = {
    // Main panel.
    {0x1000, 68, 16, 66, 36},  // quit
    {0x1001, 6, 6, 28, 26},    // minimise
    {0x1002, 48, 66, 86, 26},  // test module
    {0x1003, 48, 326, 86, 26}, // switch language
    {0x1005, 48, 126, 86, 26}, // log module
    {0x1006, 48, 156, 86, 26}, // options module
    {0x1007, 48, 266, 86, 26}, // new Basic test
    {0x1008, 48, 296, 86, 26}, // new Advanced test
    {0x1009, 48, 356, 86, 26}, // calculator
    {0x100A, 48, 386, 86, 26}, // about module
    // Border.
    {0x1010, 6, 66, 46, 36}, // hide the open module
    // Test module: select buttons, each above its answer's lamp.
    {0x102A, 6, 116, 36, 36},
    {0x102B, 6, 176, 36, 36},
    {0x102C, 6, 236, 36, 36},
    {0x102D, 6, 296, 36, 36},
    {0x102E, 6, 156, 36, 18},
    {0x102F, 6, 216, 36, 18},
    {0x1030, 6, 276, 36, 18},
    {0x1031, 6, 336, 36, 18},
    // Test module: navigation, browse and print.
    {0x1032, 6, 356, 46, 28},
    {0x1033, 56, 356, 46, 28},
    {0x1034, 106, 356, 46, 28},
    {0x1035, 156, 356, 46, 28},
    {0x1037, 266, 356, 78, 28},
    {0x1038, 346, 356, 78, 28},
    // Log module.
    {0x1050, 16, 356, 78, 28}, // add the current result
    {0x1051, 96, 356, 78, 28}, // clear the log
    // Options module check boxes.
    {0x1100, 30, 50, 300, 16},
    {0x1101, 30, 70, 300, 16},
    {0x1102, 30, 90, 300, 16},
};

const int LayoutCount = sizeof LayoutTable / sizeof LayoutTable[0];

const LayoutRecord* FindLayout(int id) {
    for (int i = 0; i < LayoutCount; ++i)
        if (LayoutTable[i].Id == id) return &LayoutTable[i];
    return nullptr;
}
