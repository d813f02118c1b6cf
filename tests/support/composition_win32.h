// The composition built in-process with start-up's own steps, for the tests
// that drive the program's windows without running start-up whole. A step
// that fails is a fatal test failure in the caller.
#pragma once

#include <windows.h>

#include <vector>

// Once per process (later calls do nothing): common controls, the instance
// handle and the twelve window classes.
void RegisterShellClasses();

// Once per test program: the classes, the question pools, the drawing
// objects, the tooltip window and the information pop-up.
void CreateSharedWindows();

// The main window with its border, modules and panel keys, its panel placed
// at (600, 150) and shown; the modules stay hidden.
void OpenMainWindow();

// 32-bit pixels of a bitmap, top-down, whatever its kind; empty when it cannot
// be read.
std::vector<unsigned> BitmapPixels(HBITMAP bitmap, int* width = nullptr, int* height = nullptr);
// The size and 32-bit pixels of a bitmap object, whatever its kind; empty
// when it cannot be read.
std::vector<unsigned char> BitmapBytes(HBITMAP bitmap);
// The bytes of bitmap resource number, for comparing a face with it.
std::vector<unsigned char> ResourceBitmapBytes(int number);
