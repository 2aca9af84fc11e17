#pragma once

#include "WnHandle.h"
#include "WnThreadCallback.h"

// A thread started through the C runtime that runs a callback interface.
// Idle (no handle) -> running -> ended but not reaped -> idle again after Wait.
// The destructor only closes the handle: owners stop their threads first.
class WnThread : public WnHandle {
public:
    // Returns ERROR_ALREADY_EXISTS (183) and starts nothing while a handle is held.
    // Otherwise starts the thread (stack size 0: default; flags 0: run at once) and
    // returns 0, or sets the id to 0 and returns the Windows error.
    DWORD Start(WnThreadCallbackInterface* callback, unsigned stackSize, unsigned creationFlags);

    // Returns 0 at once without a handle. Otherwise waits for the thread to end:
    // when it has ended, closes the handle and returns 0 so that Start works again;
    // else keeps the handle and returns WAIT_TIMEOUT (258) or the wait's error.
    DWORD Wait(DWORD timeoutMs);

    DWORD Id() const { return threadId; }

private:
    static unsigned __stdcall Entry(void* callback);

    DWORD threadId = 0;
};
