#include "ui/geometry.h"

int ButtonFace(int over, int down) {
    if (over && down) return FacePressed;
    if (over || down) return FaceOver;
    return FaceNormal;
}

MousePoint SplitMousePoint(intptr_t lParam) {
    uintptr_t bits = (uintptr_t)lParam;
    return MousePoint{(unsigned)(bits & 0xFFFF), (unsigned)((bits >> 16) & 0xFFFF)};
}

int PointInClient(MousePoint point, int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    return point.X < (unsigned)width && point.Y < (unsigned)height;
}

Box DisplayTextBox(int width, int height, int corner) {
    int c = corner / 2; // C++ division rounds toward zero, as required
    return Box{c, c - 4, width - c, height - c + 4};
}

CheckParts CheckLayoutOf(int width, int height) {
    int h = height;
    CheckParts parts;
    parts.OuterShadow = Box{4, 4, h, h};
    parts.OuterFrame = Box{2, 2, h - 2, h - 2};
    parts.InnerShadow = Box{7, 7, h - 5, h - 5};
    parts.InnerBox = Box{6, 6, h - 6, h - 6};
    parts.Label = Box{h + 4, 2, width - 2, h - 2};
    return parts;
}

Box InfoTextBox(int width, int height) {
    return Box{4, 4, width - 4, height - 4};
}
