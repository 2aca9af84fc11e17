#include "WnPostWindowMessageThread.h"

#include "WnLastError.h"

WnPostWindowMessageThread::WnPostWindowMessageThread()
{
    // A failure leaves the stop event empty; the thread's first wait then fails and
    // the thread ends instead of running unstoppably.
    stopEvent.Create(false, false);
}

DWORD WnPostWindowMessageThread::Start(HWND targetWindow, HANDLE handleToWatch, UINT message)
{
    window = targetWindow;
    watchedHandle = handleToWatch;
    messageId = message;
    return thread.Start(this, 0, 0);
}

DWORD WnPostWindowMessageThread::Stop()
{
    stopEvent.Set();
    return thread.Wait(INFINITE);
}

DWORD WnPostWindowMessageThread::Run()
{
    const HANDLE handles[2] = {stopEvent.Get(), watchedHandle};
    for (;;) {
        const DWORD result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (result == WAIT_OBJECT_0)
            return 0;
        if (result == WAIT_OBJECT_0 + 1) {
            PostMessageW(window, messageId, 0, 0);
            continue;
        }
        // A wait that failed once fails again at once: waiting again would spin.
        if (result == WAIT_FAILED)
            return WnLastErrorOr(ERROR_INVALID_HANDLE);
        return 0;
    }
}
