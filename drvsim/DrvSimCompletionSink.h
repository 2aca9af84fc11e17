#pragma once

#include <windows.h>

// Receives the result of a request that the substitute driver held and completes
// later, possibly on another thread. Called exactly once per held request.
class DrvSimCompletionSink {
public:
    virtual void Complete(DWORD status, DWORD bytesReturned) = 0;

protected:
    ~DrvSimCompletionSink() = default;
};
