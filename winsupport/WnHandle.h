#pragma once

#include <windows.h>

// Owns one kernel handle and closes it when it goes away. An empty wrapper always
// holds null, never INVALID_HANDLE_VALUE, so "is there a handle" is one test.
class WnHandle {
public:
    WnHandle() = default;
    virtual ~WnHandle();

    WnHandle(const WnHandle&) = delete;
    WnHandle& operator=(const WnHandle&) = delete;

    // The raw handle for system calls; ownership stays here.
    HANDLE Get() const { return handle; }
    bool IsValid() const { return handle != nullptr; }

    // Closes the handle, if any. A failure to close is ignored, and the caller's
    // last-error value is kept, so a close never hides the error being reported.
    void Close();

protected:
    // Takes ownership of a fresh handle after closing the old one; an invalid
    // handle value is stored as null.
    void Reset(HANDLE newHandle);

    HANDLE handle = nullptr;
};
