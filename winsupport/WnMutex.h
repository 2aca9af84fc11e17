#pragma once

#include "WnHandle.h"

// A mutex object, unnamed or named. Both programs use a named one to detect a
// running instance of themselves.
class WnMutex : public WnHandle {
public:
    // Closes any mutex already held, then creates or opens the mutex. On failure
    // returns the Windows error and holds nothing. On success holds the handle and
    // returns 0 for an unnamed mutex; for a named one returns 0 when it was created
    // and ERROR_ALREADY_EXISTS (183) when it existed before.
    DWORD Create(SECURITY_ATTRIBUTES* security, bool initiallyOwned, const wchar_t* name);
};
