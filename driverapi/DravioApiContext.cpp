#include "DravioApiContext.h"

#include "DravioIoctl.h"
#include "WnString.h"

DravioApiContext::DravioApiContext() : DravioApiContext(DravioDefaultDeviceIo())
{
}

DravioApiContext::DravioApiContext(DravioDeviceIo& io) : deviceIo(io)
{
    InitializeCriticalSection(&lock);
}

DravioApiContext::~DravioApiContext()
{
    Close();
    completionEvent.Close();
    DeleteCriticalSection(&lock);
}

DRAVIO_STATUS DravioApiContext::Open(const wchar_t* name)
{
    LockGuard guard(*this);
    if (device.load() != nullptr)
        return DRAVIO_STATUS_REJECTED;

    if (!completionEvent.IsValid()) {
        const DWORD created = completionEvent.Create(true, false);
        if (created != ERROR_SUCCESS)
            return created;
    }

    wchar_t path[DRAVIO_DEVICE_PATH_CHARS];
    WnStrFormat(path, DRAVIO_DEVICE_PATH_CHARS, L"\\\\.\\%s", name);

    HANDLE opened = nullptr;
    const DWORD openResult = deviceIo.OpenDevice(path, &opened);
    if (openResult != ERROR_SUCCESS) {
        Close();
        return openResult;
    }
    device.store(opened, std::memory_order_release);

    DRAVIO_VERSION_INFO version = {};
    const DRAVIO_STATUS versionResult = GetVersion(&version);
    if (versionResult != DRAVIO_STATUS_SUCCESS) {
        Close();
        return versionResult;
    }
    if (version.InterfaceMajor != DRAVIO_INTERFACE_VERSION_MAJOR) {
        Close();
        return DRAVIO_STATUS_VERSION_MISMATCH;
    }
    return DRAVIO_STATUS_SUCCESS;
}

void DravioApiContext::Close()
{
    LockGuard guard(*this);
    HANDLE held = device.exchange(nullptr, std::memory_order_acq_rel);
    if (held != nullptr)
        deviceIo.CloseDevice(held);
    completionEvent.Close();
}

DRAVIO_STATUS DravioApiContext::IoControl(DWORD code, const void* input, DWORD inputSize, void* output,
                                          DWORD outputSize, DWORD* bytesReturned)
{
    LockGuard guard(*this);
    HANDLE held = device.load();
    if (held == nullptr)
        return DRAVIO_STATUS_NOT_OPENED;

    OVERLAPPED overlapped = {};
    overlapped.hEvent = completionEvent.Get();
    DWORD bytes = 0;
    DRAVIO_STATUS result =
        deviceIo.StartControl(held, code, input, inputSize, output, outputSize, &bytes, &overlapped);
    // The driver owns the buffers until a pending request completes, so wait
    // without limit before the lock is released.
    if (result == ERROR_IO_PENDING)
        result = deviceIo.WaitControl(held, &overlapped, &bytes);

    if (bytesReturned != nullptr)
        *bytesReturned = bytes;
    return result;
}

