// A second process for tests that need one.
//   hold-mutex NAME READY RELEASE: creates the named mutex, signals the named event
//   READY, and keeps the mutex until the named event RELEASE is signalled.
#include <cwchar>
#include <windows.h>

#include "WnEvent.h"
#include "WnMutex.h"

namespace {

int HoldMutex(const wchar_t* name, const wchar_t* readyName, const wchar_t* releaseName)
{
    WnMutex mutex;
    const DWORD created = mutex.Create(nullptr, false, name);
    if (created != ERROR_SUCCESS)
        return static_cast<int>(created);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, releaseName);
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, readyName);
    if (release == nullptr || ready == nullptr)
        return 3;
    SetEvent(ready);
    const DWORD waited = WaitForSingleObject(release, 30000);
    CloseHandle(ready);
    CloseHandle(release);
    return waited == WAIT_OBJECT_0 ? 0 : 4;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 5 && std::wcscmp(argv[1], L"hold-mutex") == 0)
        return HoldMutex(argv[2], argv[3], argv[4]);
    return 2;
}
