#include "WnEvent.h"

#include "WnLastError.h"

DWORD WnEvent::Create(bool manualReset, bool initiallySignalled)
{
    Close();
    HANDLE created = CreateEventW(nullptr, manualReset ? TRUE : FALSE, initiallySignalled ? TRUE : FALSE, nullptr);
    if (created == nullptr)
        return WnLastErrorOr(ERROR_GEN_FAILURE);
    Reset(created);
    return ERROR_SUCCESS;
}

DWORD WnEvent::Set()
{
    if (handle == nullptr)
        return ERROR_INVALID_HANDLE;
    return SetEvent(handle) ? ERROR_SUCCESS : WnLastErrorOr(ERROR_GEN_FAILURE);
}
