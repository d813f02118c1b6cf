#include "app/messages.h"
#include "app/window_procs_win32.h"
#include "engine/engine_win32.h"
#include "print/print_win32.h"
#include "ui/skin_win32.h"

namespace {

const int TestFace = 295;
const int DisplayCorner = 8;

struct DisplayRecord {
    int Id, X, Y, Width, Height, Bitmap, TooltipSlot;
};

// Mode, class, index, score and result in a row, then question and answers.
const DisplayRecord Displays[] = {
    {IdModeDisplay, 30, 20, 60, 20, 229, 8},
    {IdClassDisplay, 100, 20, 80, 20, 225, 9},
    {IdIndexDisplay, 190, 20, 80, 20, 227, 10},
    {IdScoreDisplay, 280, 20, 60, 20, 231, 11},
    {IdResultDisplay, 350, 20, 40, 20, 223, 12},
    {IdQuestionDisplay, 20, 50, 400, 60, 221, 13},
    {IdAnswerDisplayA, 50, 120, 370, 50, 233, 14},
    {IdAnswerDisplayA + 1, 50, 180, 370, 50, 235, 15},
    {IdAnswerDisplayA + 2, 50, 240, 370, 50, 237, 16},
    {IdAnswerDisplayA + 3, 50, 300, 370, 50, 239, 17},
};

struct KeyRecord {
    int Id, Normal, Over, Pressed, TooltipSlot;
};

const KeyRecord SelectKeys[] = {
    {IdSelectA, 139, 141, 143, 18},
    {IdSelectA + 1, 145, 147, 149, 19},
    {IdSelectA + 2, 151, 153, 155, 20},
    {IdSelectA + 3, 157, 159, 161, 21},
};

struct LampRecord {
    int Id, Off, Lit;
};

const LampRecord Lamps[] = {
    {IdLedA, 181, 183},
    {IdLedA + 1, 185, 187},
    {IdLedA + 2, 189, 191},
    {IdLedA + 3, 193, 195},
};

const KeyRecord ActionKeys[] = {
    {IdFirst, 169, 171, 173, 22}, {IdPrevious, 209, 211, 213, 23}, {IdNext, 203, 205, 207, 24},
    {IdLast, 175, 177, 179, 25},  {IdBrowse, 273, 275, 277, 27},   {IdPrint, 285, 287, 289, 28},
};

// The displays start empty; the engine fills them.
void BuildTestWindow(HWND window) {
    for (const DisplayRecord& d : Displays)
        CreateSkinDisplay(window, d.Id, 0, d.X, d.Y, d.Width, d.Height, d.Bitmap, DisplayCorner,
                          d.TooltipSlot);
    for (const KeyRecord& k : SelectKeys)
        CreateLayoutButton(window, k.Id, k.Normal, k.Over, k.Pressed, k.TooltipSlot);
    for (const LampRecord& l : Lamps) {
        const LayoutRecord* r = FindLayout(l.Id);
        if (r) CreateSkinLed(window, l.Id, 0, r->X, r->Y, r->Width, r->Height, l.Off, l.Lit);
    }
    for (const KeyRecord& k : ActionKeys)
        CreateLayoutButton(window, k.Id, k.Normal, k.Over, k.Pressed, k.TooltipSlot);
}

} // namespace

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: BuildTestWindow(window); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return PaintFace(window, message, wParam, TestFace);
    case WM_NOTIFY:
        if (lParam) HandleTestNotify(window, (const NMHDR*)lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdPrint)
            ShowPrintDialog(window);
        else
            HandleTestCommand(window, wParam, lParam);
        return 0;
    case MsgLanguageChanged: ReloadFace(window); return 0;
    case WM_DESTROY: ReleaseSkinProps(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
