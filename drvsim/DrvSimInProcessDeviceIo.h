#pragma once

#include "DravioDeviceIo.h"
#include "DrvSimDriver.h"

// Carries a connection's requests to a substitute driver in this process. A held
// request completes through the overlapped descriptor as a real one would: the
// status and byte count in Internal and InternalHigh, then the event signalled.
class DrvSimInProcessDeviceIo final : public DravioDeviceIo {
public:
    explicit DrvSimInProcessDeviceIo(DrvSimDriver& driver) : driver(driver) {}

    DWORD OpenDevice(const wchar_t* path, HANDLE* device) override;
    DWORD StartControl(HANDLE device, DWORD code, const void* input, DWORD inputSize, void* output,
                       DWORD outputSize, DWORD* bytesReturned, OVERLAPPED* overlapped) override;
    DWORD WaitControl(HANDLE device, OVERLAPPED* overlapped, DWORD* bytesReturned) override;
    void CloseDevice(HANDLE device) override;

private:
    DrvSimDriver& driver;
};
