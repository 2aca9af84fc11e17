#pragma once

#include <windows.h>

// The thread's last-error value after a call that reported failure. A failing call
// that left no error behind must still not read as success, hence the fallback.
inline DWORD WnLastErrorOr(DWORD fallback)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}
