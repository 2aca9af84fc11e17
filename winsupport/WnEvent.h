#pragma once

#include "WnHandle.h"

// An unnamed event object with default security.
class WnEvent : public WnHandle {
public:
    // Closes any event already held, then creates a new one. Returns 0, or the
    // Windows error with the wrapper left empty.
    DWORD Create(bool manualReset, bool initiallySignalled);

    // Signals the event. Returns 0 or the Windows error; callers may ignore it.
    DWORD Set();
};
