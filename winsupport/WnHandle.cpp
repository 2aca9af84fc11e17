#include "WnHandle.h"

WnHandle::~WnHandle()
{
    Close();
}

void WnHandle::Close()
{
    if (handle == nullptr)
        return;
    const DWORD savedError = GetLastError();
    CloseHandle(handle);
    handle = nullptr;
    SetLastError(savedError);
}

void WnHandle::Reset(HANDLE newHandle)
{
    Close();
    handle = (newHandle == INVALID_HANDLE_VALUE) ? nullptr : newHandle;
}
