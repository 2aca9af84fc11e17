#pragma once

#include "DravioDeviceIo.h"

// The driver's control device through CreateFileW, DeviceIoControl and
// GetOverlappedResult.
class DravioWin32DeviceIo final : public DravioDeviceIo {
public:
    static DravioWin32DeviceIo& Instance();

    DWORD OpenDevice(const wchar_t* path, HANDLE* device) override;
    DWORD StartControl(HANDLE device, DWORD code, const void* input, DWORD inputSize, void* output,
                       DWORD outputSize, DWORD* bytesReturned, OVERLAPPED* overlapped) override;
    DWORD WaitControl(HANDLE device, OVERLAPPED* overlapped, DWORD* bytesReturned) override;
    void CloseDevice(HANDLE device) override;
};
