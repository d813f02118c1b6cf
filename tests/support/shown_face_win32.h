// Faces are loaded when first painted, so a test reads a face as the window
// would show it: the bitmap in the named property once painting has needed it.
#pragma once

#include <windows.h>

// A key's or lamp's state face ("Prop_Bmp1".."Prop_Bmp3") and a display's
// face are taken the way their painting takes them; a window's own face
// ("Prop_Bitmap") after one paint into a memory device context. Any other
// property as it stands.
HBITMAP ShownFace(HWND window, const char* name);
