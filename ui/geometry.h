// The arithmetic of the skinned controls, kept apart from the windows so
// that it can be checked anywhere: which button face shows, where a display's
// text and a check box's parts go, and how a mouse point is read.
#pragma once

#include <cstdint>

// Left, top, right, bottom, as the platform's rectangles.
struct Box {
    int Left, Top, Right, Bottom;
};

// The three faces of a button, numbered as its "Prop_Bmp1".."Prop_Bmp3".
enum { FaceNormal = 1, FaceOver = 2, FacePressed = 3 };
int ButtonFace(int over, int down);

// A mouse message's point as its two 16-bit halves taken unsigned, so that a
// point left of or above a window that holds the capture reads as a large
// value (x = -1 gives 65535).
struct MousePoint {
    unsigned X, Y;
};
MousePoint SplitMousePoint(intptr_t lParam);
// 1 when the point lies in a client area of the given size; any point left
// of or above it is outside by the unsigned reading.
int PointInClient(MousePoint point, int width, int height);

// Text rectangle of a display of client size width x height: inset by half
// the corner on every side, then 4 pixels taller at the top and the bottom.
Box DisplayTextBox(int width, int height, int corner);

// The parts of a check box of client size width x height.
struct CheckParts {
    Box OuterShadow, OuterFrame, InnerShadow, InnerBox, Label;
};
CheckParts CheckLayoutOf(int width, int height);

// Text rectangle of the information pop-up: 4 pixels in on every side.
Box InfoTextBox(int width, int height);
