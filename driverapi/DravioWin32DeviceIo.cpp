#include "DravioWin32DeviceIo.h"

#include "WnLastError.h"

DravioWin32DeviceIo& DravioWin32DeviceIo::Instance()
{
    static DravioWin32DeviceIo instance;
    return instance;
}

DWORD DravioWin32DeviceIo::OpenDevice(const wchar_t* path, HANDLE* device)
{
    HANDLE opened = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return WnLastErrorOr(ERROR_GEN_FAILURE);
    *device = opened;
    return ERROR_SUCCESS;
}

DWORD DravioWin32DeviceIo::StartControl(HANDLE device, DWORD code, const void* input, DWORD inputSize, void* output,
                                        DWORD outputSize, DWORD* bytesReturned, OVERLAPPED* overlapped)
{
    if (DeviceIoControl(device, code, const_cast<void*>(input), inputSize, output, outputSize, bytesReturned,
                        overlapped))
        return ERROR_SUCCESS;
    return WnLastErrorOr(ERROR_GEN_FAILURE);
}

DWORD DravioWin32DeviceIo::WaitControl(HANDLE device, OVERLAPPED* overlapped, DWORD* bytesReturned)
{
    if (GetOverlappedResult(device, overlapped, bytesReturned, TRUE))
        return ERROR_SUCCESS;
    return WnLastErrorOr(ERROR_GEN_FAILURE);
}

void DravioWin32DeviceIo::CloseDevice(HANDLE device)
{
    CloseHandle(device);
}
