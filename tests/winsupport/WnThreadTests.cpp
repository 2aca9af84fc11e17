#include <gtest/gtest.h>

#include "WnEvent.h"
#include "WnThread.h"

namespace {

// Runs until released, then ends with a chosen exit code.
class BlockingWork {
public:
    BlockingWork() { release.Create(true, false); }
    DWORD Work()
    {
        WaitForSingleObject(release.Get(), 30000);
        ++runs;
        return 42;
    }
    WnEvent release;
    int runs = 0;
};

} // namespace

TEST(WnThread, WaitWithoutAThreadReturnsZero)
{
    WnThread thread;
    EXPECT_EQ(0u, thread.Wait(0));
    EXPECT_EQ(0u, thread.Id());
}

TEST(WnThread, LifecycleFromStartThroughReapToRestart)
{
    BlockingWork work;
    WnThreadCallbackForwarderT<BlockingWork> forwarder(&work, &BlockingWork::Work);
    WnThread thread;

    ASSERT_EQ(0u, thread.Start(&forwarder, 0, 0));
    EXPECT_NE(0u, thread.Id());
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), thread.Start(&forwarder, 0, 0));

    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), thread.Wait(0));
    EXPECT_TRUE(thread.IsValid());

    work.release.Set();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread.Get(), 30000));
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeThread(thread.Get(), &exitCode));
    EXPECT_EQ(42u, exitCode);
    // Ended but not reaped: still no second start.
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), thread.Start(&forwarder, 0, 0));

    EXPECT_EQ(0u, thread.Wait(INFINITE));
    EXPECT_FALSE(thread.IsValid());
    EXPECT_EQ(0u, thread.Id());

    ASSERT_EQ(0u, thread.Start(&forwarder, 0, 0));
    EXPECT_EQ(0u, thread.Wait(30000));
    EXPECT_EQ(2, work.runs);
}

TEST(WnThread, SuspendedStartRunsOnlyWhenResumed)
{
    BlockingWork work;
    work.release.Set();
    WnThreadCallbackForwarderT<BlockingWork> forwarder(&work, &BlockingWork::Work);
    WnThread thread;
    ASSERT_EQ(0u, thread.Start(&forwarder, 64 * 1024, CREATE_SUSPENDED));
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), thread.Wait(50));
    EXPECT_EQ(0, work.runs);
    ResumeThread(thread.Get());
    EXPECT_EQ(0u, thread.Wait(30000));
    EXPECT_EQ(1, work.runs);
}
