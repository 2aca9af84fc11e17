#pragma once

#include "WnEvent.h"
#include "WnThread.h"

// A thread that posts one window message each time a watched object is signalled.
// Signals that arrive before the window handles its message fold into one wake-up,
// so the window must drain everything pending for each message it gets.
class WnPostWindowMessageThread : public WnThreadCallbackInterface {
public:
    WnPostWindowMessageThread();
    virtual ~WnPostWindowMessageThread() = default;

    WnPostWindowMessageThread(const WnPostWindowMessageThread&) = delete;
    WnPostWindowMessageThread& operator=(const WnPostWindowMessageThread&) = delete;

    // Sets the fields and starts the thread on this object. The watched handle is
    // not owned here and must stay valid until Stop has returned.
    DWORD Start(HWND targetWindow, HANDLE handleToWatch, UINT message);

    // Signals the stop event and waits for the thread without limit.
    DWORD Stop();

    DWORD Run() override;

    WnThread& Thread() { return thread; }

    HWND window = nullptr;
    HANDLE watchedHandle = nullptr;
    UINT messageId = 0;

private:
    WnThread thread;
    WnEvent stopEvent;
};
