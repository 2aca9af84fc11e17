#include "DrvSimInProcessDeviceIo.h"

#include <cstdint>

#include "WnLastError.h"

namespace {

// A connection's handle is its id; ids start at 1, so a handle is never null.
uint32_t ConnectionOf(HANDLE device)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(device));
}

class OverlappedCompletion final : public DrvSimCompletionSink {
public:
    explicit OverlappedCompletion(OVERLAPPED* overlapped) : overlapped(overlapped) {}

    void Complete(DWORD status, DWORD bytesReturned) override
    {
        overlapped->InternalHigh = bytesReturned;
        overlapped->Internal = status;
        // The waiter may release the descriptor as soon as the event is set.
        HANDLE event = overlapped->hEvent;
        delete this;
        if (event != nullptr)
            SetEvent(event);
    }

private:
    OVERLAPPED* overlapped;
};

} // namespace

DWORD DrvSimInProcessDeviceIo::OpenDevice(const wchar_t* path, HANDLE* device)
{
    uint32_t connectionId = 0;
    const DWORD result = driver.OpenConnection(path, &connectionId);
    if (result == ERROR_SUCCESS)
        *device = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(connectionId));
    return result;
}

DWORD DrvSimInProcessDeviceIo::StartControl(HANDLE device, DWORD code, const void* input, DWORD inputSize,
                                            void* output, DWORD outputSize, DWORD* bytesReturned,
                                            OVERLAPPED* overlapped)
{
    // As the system does when an overlapped request starts.
    if (overlapped->hEvent != nullptr)
        ResetEvent(overlapped->hEvent);
    auto* completion = new OverlappedCompletion(overlapped);
    const DWORD result =
        driver.Control(ConnectionOf(device), code, input, inputSize, output, outputSize, bytesReturned, completion);
    if (result != ERROR_IO_PENDING)
        delete completion;
    return result;
}

DWORD DrvSimInProcessDeviceIo::WaitControl(HANDLE device, OVERLAPPED* overlapped, DWORD* bytesReturned)
{
    (void)device;
    const DWORD waited = WaitForSingleObject(overlapped->hEvent, INFINITE);
    if (waited != WAIT_OBJECT_0)
        return WnLastErrorOr(ERROR_GEN_FAILURE);
    *bytesReturned = static_cast<DWORD>(overlapped->InternalHigh);
    return static_cast<DWORD>(overlapped->Internal);
}

void DrvSimInProcessDeviceIo::CloseDevice(HANDLE device)
{
    driver.CloseConnection(ConnectionOf(device));
}
