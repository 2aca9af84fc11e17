#include "WnThread.h"

#include <process.h>

#include "WnLastError.h"

unsigned __stdcall WnThread::Entry(void* callback)
{
    return static_cast<WnThreadCallbackInterface*>(callback)->Run();
}

DWORD WnThread::Start(WnThreadCallbackInterface* callback, unsigned stackSize, unsigned creationFlags)
{
    if (handle != nullptr)
        return ERROR_ALREADY_EXISTS;
    unsigned id = 0;
    const uintptr_t started = _beginthreadex(nullptr, stackSize, &WnThread::Entry, callback, creationFlags, &id);
    if (started == 0) {
        threadId = 0;
        return WnLastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    Reset(reinterpret_cast<HANDLE>(started));
    threadId = id;
    return ERROR_SUCCESS;
}

DWORD WnThread::Wait(DWORD timeoutMs)
{
    if (handle == nullptr)
        return ERROR_SUCCESS;
    const DWORD result = WaitForSingleObject(handle, timeoutMs);
    if (result == WAIT_OBJECT_0) {
        Close();
        threadId = 0;
        return ERROR_SUCCESS;
    }
    if (result == WAIT_TIMEOUT)
        return WAIT_TIMEOUT;
    return WnLastErrorOr(ERROR_INVALID_HANDLE);
}
