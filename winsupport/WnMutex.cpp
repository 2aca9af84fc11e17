#include "WnMutex.h"

#include "WnLastError.h"

DWORD WnMutex::Create(SECURITY_ATTRIBUTES* security, bool initiallyOwned, const wchar_t* name)
{
    Close();
    SetLastError(ERROR_SUCCESS);
    HANDLE created = CreateMutexW(security, initiallyOwned ? TRUE : FALSE, name);
    const DWORD error = GetLastError();
    if (created == nullptr)
        return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
    Reset(created);
    if (name == nullptr)
        return ERROR_SUCCESS;
    return error == ERROR_ALREADY_EXISTS ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
}
