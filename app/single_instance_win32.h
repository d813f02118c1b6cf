// One Korvane per user session: the first start owns a named mutex, and any
// later start hands over to it.
#pragma once

// 1 when this process is the only Korvane of the session and goes on starting.
// 0 when another one runs: its composition has been brought to the front
// (restored if minimised) and this process must end at once, having touched
// neither the registry nor any window of its own.
int ClaimSingleInstance();
