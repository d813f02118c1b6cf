// The tooltip protocol of the button and the display: one tool per control,
// id 16, covering the creation rectangle, its text supplied on request.
#include "ui/skin_win32.h"

#include "ui/shell_state_win32.h"

#include <commctrl.h>

namespace {

const UINT_PTR ToolId = 16;

// The tool record through its lParam field: 44 bytes in a 32-bit build. A
// 64-bit build widens the handles and pointers of the same fields to 64
// bytes; the control reads the size as the record's version, so it is the
// version-2 size of the build, not the literal 44 (shorter than even the
// oldest 64-bit record).
const UINT ToolRecordSize = TTTOOLINFOA_V2_SIZE;
#ifndef _WIN64
static_assert(TTTOOLINFOA_V2_SIZE == 44, "32-bit tool record");
#endif

} // namespace

void AddControlTool(HWND control, int width, int height) {
    TOOLINFOA tool = {};
    tool.cbSize = ToolRecordSize;
    tool.uFlags = 0;
    tool.hwnd = control;
    tool.uId = ToolId;
    tool.rect.left = 0;
    tool.rect.top = 0;
    tool.rect.right = width;
    tool.rect.bottom = height;
    tool.hinst = Instance;
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    // A null tooltip window answers 0 as well: the warning then says so.
    if (!SendMessageA(TooltipWindow, TTM_ADDTOOLA, 0, (LPARAM)&tool))
        MessageBoxA(nullptr, "Could not add tooltip text for button", nullptr, MB_ICONWARNING);
}

void RemoveControlTool(HWND control) {
    if (!TooltipWindow) return;
    TOOLINFOA tool = {};
    tool.cbSize = ToolRecordSize;
    tool.hwnd = control;
    tool.uId = ToolId;
    SendMessageA(TooltipWindow, TTM_DELTOOLA, 0, (LPARAM)&tool);
}

int AnswerToolTextRequest(WPARAM wParam, LPARAM lParam, const char* text) {
    const NMHDR* header = (const NMHDR*)lParam;
    if (wParam != ToolId || !header || header->code != (UINT)TTN_NEEDTEXTA) return 0;
    if (text) ((NMTTDISPINFOA*)lParam)->lpszText = (char*)text;
    return 1;
}
