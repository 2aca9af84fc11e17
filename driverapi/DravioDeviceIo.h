#pragma once

#include <windows.h>

// The one seam between a driver connection and whatever carries its requests: the
// driver's control device through Win32, or the substitute driver in this process
// or behind a pipe. The connection's algorithm, including the pending path and the
// returned-byte count, is the same over all of them.
class DravioDeviceIo {
public:
    // Opens the control device at the path for overlapped reading and writing.
    // Returns 0 with a non-null handle, or the Windows error.
    virtual DWORD OpenDevice(const wchar_t* path, HANDLE* device) = 0;

    // Issues one control request. Returns 0 when it completed at once (bytes set),
    // ERROR_IO_PENDING (997) when it completes later through the overlapped
    // descriptor, or the failure, which for a failure of the driver is its status.
    virtual DWORD StartControl(HANDLE device, DWORD code, const void* input, DWORD inputSize, void* output,
                               DWORD outputSize, DWORD* bytesReturned, OVERLAPPED* overlapped) = 0;

    // Waits without limit for a request that pended; returns its result and bytes.
    virtual DWORD WaitControl(HANDLE device, OVERLAPPED* overlapped, DWORD* bytesReturned) = 0;

    virtual void CloseDevice(HANDLE device) = 0;

protected:
    ~DravioDeviceIo() = default;
};

// The transport that the program was linked with: the Win32 one for the shipped
// programs, the pipe to the substitute driver for their simulator builds.
DravioDeviceIo& DravioDefaultDeviceIo();
