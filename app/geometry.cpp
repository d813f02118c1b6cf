#include "app/geometry.h"

// Large rounded corners on the right, small ones on the left, and a notch 20
// pixels deep from y 40 to y 440 where the module or the border's tab shows.
const GeoPoint MainRegionPoints[MainRegionCount] = {
    {140, 0},   {145, 0},   {150, 2},   {154, 5},   {157, 10},  {159, 14},  {160, 20}, {160, 440},
    {158, 450}, {154, 460}, {148, 468}, {140, 474}, {130, 478}, {120, 480}, {10, 480}, {7, 479},
    {5, 478},   {2, 477},   {1, 475},   {0, 472},   {0, 470},   {0, 440},   {20, 440}, {20, 40},
    {0, 40},    {0, 10},    {0, 7},     {1, 5},     {2, 2},     {5, 1},     {7, 0},    {10, 0},
};

// A 40-pixel column with rounded left corners and a 20-pixel tab on its right.
const GeoPoint BorderRegionPoints[BorderRegionCount] = {
    {20, 0},   {40, 0},   {40, 40},  {60, 40}, {60, 440}, {40, 440}, {40, 480},
    {20, 480}, {14, 479}, {10, 477}, {5, 474}, {2, 470},  {0, 465},  {0, 460},
    {0, 20},   {0, 14},   {2, 10},   {5, 5},   {10, 2},   {14, 0},
};

GeoPoint PanelStartPosition(int screenWidth, int screenHeight) {
    GeoPoint p;
    p.X = screenWidth / 2 - CompositionWidth / 2 + PanelOffset;
    p.Y = screenHeight / 2 - CompositionHeight / 2;
    return p;
}

// The module spans from 420 left of the panel to 20 into its notch.
GeoPoint ModulePosition(int left, int top) {
    return GeoPoint{left - 420, top + 40};
}

// With a module, the border's tab abuts the module's left edge; without one,
// the tab fills the panel's notch.
GeoPoint BorderPosition(int left, int top, int moduleVisible) {
    return GeoPoint{moduleVisible ? left - 480 : left - 40, top};
}

void BeginDrag(DragState* drag, int x, int y) {
    drag->Moving = 1;
    drag->MouseX = x;
    drag->MouseY = y;
    drag->Sequence = 0;
}

// Every second message is skipped; since each move measures from the
// position stored at the previous move, no pointer movement is lost.
int DragMove(DragState* drag, int x, int y, int* dx, int* dy) {
    if (!drag->Moving) return 0;
    int moved = 0;
    if (drag->Sequence == 0) {
        *dx = x - drag->MouseX;
        *dy = y - drag->MouseY;
        drag->MouseX = x;
        drag->MouseY = y;
        moved = 1;
    }
    drag->Sequence = 1 - drag->Sequence;
    return moved;
}

void EndDrag(DragState* drag) {
    drag->Moving = 0;
}
