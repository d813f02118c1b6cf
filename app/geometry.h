// The shapes and placement of the composition: the panel and border regions,
// where the panel starts, where the border and a module follow it, and the
// drag rule. Pure arithmetic, so that it can be checked without a window.
#pragma once

struct GeoPoint {
    int X, Y;
};

enum {
    MainRegionCount = 32,
    BorderRegionCount = 20,
    CompositionWidth = 640,
    CompositionHeight = 480,
    PanelWidth = 160,
    PanelHeight = 480,
    PanelOffset = 480, // the panel is the right-hand 160 pixels of the composition
    BorderWidth = 60,
    BorderHeight = 480,
    ModuleWidth = 440,
    ModuleHeight = 400,
};

// Window-coordinate outlines (fill mode alternate).
extern const GeoPoint MainRegionPoints[MainRegionCount];
extern const GeoPoint BorderRegionPoints[BorderRegionCount];

// Top-left corner of the panel on a screen of the given resolution: the
// 640 x 480 composition centred (integer division), the panel 480 to its right.
GeoPoint PanelStartPosition(int screenWidth, int screenHeight);

// Where the satellites go for a panel whose top-left corner is (left, top).
GeoPoint ModulePosition(int left, int top);
GeoPoint BorderPosition(int left, int top, int moduleVisible);

// Dragging the composition by the panel. Positions are screen coordinates.
struct DragState {
    int Moving;
    int MouseX, MouseY; // cursor at the last step that moved the window
    int Sequence;       // parity of the mouse-move messages of this drag
};

void BeginDrag(DragState* drag, int x, int y);
// One mouse-move message: 1 with the offset to move the window by when this
// message moves it (only every second message of a drag does), else 0.
int DragMove(DragState* drag, int x, int y, int* dx, int* dy);
void EndDrag(DragState* drag);
