#include <gtest/gtest.h>

#include <string>

#include "TestProcess.h"
#include "WnEvent.h"
#include "WnMutex.h"

namespace {

bool IsSignalled(HANDLE handle)
{
    return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

std::wstring UniqueName(const wchar_t* purpose)
{
    return std::wstring(L"veltra4-test-") + purpose + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64());
}

} // namespace

TEST(WnEvent, AutoResetEventWakesOneWaitThenClears)
{
    WnEvent event;
    ASSERT_EQ(0u, event.Create(false, false));
    EXPECT_FALSE(IsSignalled(event.Get()));
    EXPECT_EQ(0u, event.Set());
    EXPECT_TRUE(IsSignalled(event.Get()));
    EXPECT_FALSE(IsSignalled(event.Get()));
}

TEST(WnEvent, ManualResetEventStaysSignalled)
{
    WnEvent event;
    ASSERT_EQ(0u, event.Create(true, true));
    EXPECT_TRUE(IsSignalled(event.Get()));
    EXPECT_TRUE(IsSignalled(event.Get()));
}

TEST(WnEvent, CloseKeepsTheCallersLastErrorAndEmptiesTheWrapper)
{
    WnEvent event;
    ASSERT_EQ(0u, event.Create(true, false));
    SetLastError(ERROR_FILE_NOT_FOUND);
    event.Close();
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, event.Get());
    event.Close();
    EXPECT_EQ(nullptr, event.Get());
}

TEST(WnEvent, SetOnAnEmptyWrapperFails)
{
    WnEvent event;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), event.Set());
}

TEST(WnMutex, UnnamedAndFreshNamedMutexesReturnZero)
{
    WnMutex unnamed;
    EXPECT_EQ(0u, unnamed.Create(nullptr, false, nullptr));
    EXPECT_TRUE(unnamed.IsValid());

    WnMutex named;
    EXPECT_EQ(0u, named.Create(nullptr, true, UniqueName(L"fresh").c_str()));
    EXPECT_TRUE(named.IsValid());
}

TEST(WnMutex, NameHeldByAnotherProcessReturns183AndStillHoldsAHandle)
{
    const std::wstring name = UniqueName(L"held");
    const std::wstring readyName = name + L"-ready";
    const std::wstring releaseName = name + L"-release";
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    ASSERT_NE(nullptr, ready);

    TestProcess holder;
    ASSERT_EQ(0u, holder.Start(VELTRA4_TESTHELPER_NAME, L"hold-mutex " + name + L" " + readyName + L" " + releaseName));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ready, 20000));

    WnMutex second;
    EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), second.Create(nullptr, false, name.c_str()));
    EXPECT_TRUE(second.IsValid());
    second.Close();

    HANDLE release = OpenEventW(EVENT_MODIFY_STATE, FALSE, releaseName.c_str());
    ASSERT_NE(nullptr, release);
    SetEvent(release);
    DWORD exitCode = 99;
    ASSERT_TRUE(holder.Wait(20000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    CloseHandle(release);
    CloseHandle(ready);

    // Once nobody holds the name, the mutex is created anew.
    WnMutex third;
    EXPECT_EQ(0u, third.Create(nullptr, false, name.c_str()));
}

TEST(WnMutex, NameOfAnotherKindOfObjectFailsAndHoldsNothing)
{
    const std::wstring name = UniqueName(L"event");
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
    ASSERT_NE(nullptr, event);
    WnMutex mutex;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), mutex.Create(nullptr, false, name.c_str()));
    EXPECT_FALSE(mutex.IsValid());
    CloseHandle(event);
}
