// The rectangles of the controls that the panel, border and module windows
// create at fixed places, in the parent's client coordinates.
#pragma once

struct LayoutRecord {
    int Id, X, Y, Width, Height;
};

extern const LayoutRecord LayoutTable[];
extern const int LayoutCount;

// The record of a control id; null for a control that is not in the table.
const LayoutRecord* FindLayout(int id);
