#include <gtest/gtest.h>

#include "WnEvent.h"
#include "WnPostWindowMessageThread.h"

namespace {

constexpr UINT kWatchMessage = WM_APP + 10;

// A message-only window of the test thread, to receive the posted messages.
class MessageWindow {
public:
    MessageWindow()
    {
        window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~MessageWindow()
    {
        if (window != nullptr)
            DestroyWindow(window);
    }

    // Takes the posted messages already queued for the window.
    int TakeQueued()
    {
        int count = 0;
        MSG msg;
        while (PeekMessageW(&msg, window, kWatchMessage, kWatchMessage, PM_REMOVE))
            ++count;
        return count;
    }

    // Waits until a posted message is queued for the window, then takes it.
    bool TakeOne(DWORD timeoutMs)
    {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (;;) {
            MSG msg;
            if (PeekMessageW(&msg, window, kWatchMessage, kWatchMessage, PM_REMOVE))
                return true;
            const ULONGLONG now = GetTickCount64();
            if (now >= end)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_POSTMESSAGE);
        }
    }

    HWND window = nullptr;
};

} // namespace

TEST(WnPostWindowMessageThread, PostsOneMessagePerWakeUp)
{
    MessageWindow target;
    ASSERT_NE(nullptr, target.window);
    WnEvent watched;
    ASSERT_EQ(0u, watched.Create(false, false));
    WnPostWindowMessageThread poster;
    ASSERT_EQ(0u, poster.Start(target.window, watched.Get(), kWatchMessage));

    for (int i = 0; i < 3; ++i) {
        watched.Set();
        EXPECT_TRUE(target.TakeOne(10000)) << "wake-up " << i;
    }
    EXPECT_EQ(0u, poster.Stop());
    EXPECT_EQ(0, target.TakeQueued());
}

TEST(WnPostWindowMessageThread, SignalsThatFoldPostNoMoreMessagesThanSignals)
{
    MessageWindow target;
    ASSERT_NE(nullptr, target.window);
    WnEvent watched;
    ASSERT_EQ(0u, watched.Create(false, false));
    WnPostWindowMessageThread poster;
    ASSERT_EQ(0u, poster.Start(target.window, watched.Get(), kWatchMessage));

    watched.Set();
    watched.Set();
    watched.Set();
    ASSERT_TRUE(target.TakeOne(10000));
    EXPECT_EQ(0u, poster.Stop());
    const int total = 1 + target.TakeQueued();
    EXPECT_GE(total, 1);
    EXPECT_LE(total, 3);
}

TEST(WnPostWindowMessageThread, StopEndsTheThreadWithExitCodeZero)
{
    MessageWindow target;
    WnEvent watched;
    ASSERT_EQ(0u, watched.Create(false, false));
    WnPostWindowMessageThread poster;
    ASSERT_EQ(0u, poster.Start(target.window, watched.Get(), kWatchMessage));
    EXPECT_EQ(0u, poster.Stop());
    EXPECT_FALSE(poster.Thread().IsValid());
    EXPECT_EQ(0, target.TakeQueued());
}

TEST(WnPostWindowMessageThread, FailingWaitEndsTheThreadInsteadOfSpinning)
{
    MessageWindow target;
    WnPostWindowMessageThread poster;
    // Not a handle: every wait on it fails at once.
    HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x7ff0));
    ASSERT_EQ(0u, poster.Start(target.window, bogus, kWatchMessage));
    HANDLE thread = poster.Thread().Get();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 30000)) << "the thread kept waiting";
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeThread(thread, &exitCode));
    EXPECT_NE(0u, exitCode);
    EXPECT_EQ(0u, poster.Thread().Wait(0));
    EXPECT_EQ(0, target.TakeQueued());
}
