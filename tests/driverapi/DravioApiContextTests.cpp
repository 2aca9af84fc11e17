#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "DravioApiContext.h"
#include "DravioIoctl.h"
#include "DravioWin32DeviceIo.h"
#include "DrvSimDriver.h"
#include "DrvSimInProcessDeviceIo.h"

namespace {

constexpr DWORD kUntouched = 0xDEADBEEF;
constexpr DWORD kGetVersion = 0x801;

class DravioApiContextOverSim : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Every connection a test opened must have been closed again.
        EXPECT_EQ(0u, driver.OpenConnectionCount());
    }

    DrvSimDriver driver;
    DrvSimInProcessDeviceIo io{driver};
};

// Runs a request on another thread, so that the test can complete it while it pends.
class RequestOnThread {
public:
    explicit RequestOnThread(DravioApiContext& connection)
        : thread([this, &connection] {
              result = connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes);
              done = true;
          })
    {
    }
    ~RequestOnThread()
    {
        if (thread.joinable())
            thread.join();
    }
    void Join() { thread.join(); }

    std::atomic<bool> done{false};
    DRAVIO_VERSION_INFO version = {};
    DWORD bytes = kUntouched;
    DRAVIO_STATUS result = kUntouched;

private:
    std::thread thread;
};

} // namespace

TEST(DravioApiContextWin32, MissingDeviceGivesFileNotFoundAndLeavesTheConnectionClosed)
{
    for (const wchar_t* name : {DRAVIO_INTERFACE_NAME, L"{00000000-0000-0000-0000-000000000000}"}) {
        DravioApiContext connection(DravioWin32DeviceIo::Instance());
        EXPECT_EQ(static_cast<DRAVIO_STATUS>(ERROR_FILE_NOT_FOUND), connection.Open(name));
        EXPECT_FALSE(connection.IsOpen());

        DRAVIO_VERSION_INFO version = {};
        DWORD bytes = kUntouched;
        EXPECT_EQ(DRAVIO_STATUS_NOT_OPENED,
                  connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes));
        EXPECT_EQ(kUntouched, bytes);
    }
}

TEST(DravioApiContextWin32, TheProgramsDefaultTransportIsWin32)
{
    DravioApiContext connection;
    EXPECT_EQ(&DravioWin32DeviceIo::Instance(), &connection.DeviceIo());
}

TEST_F(DravioApiContextOverSim, OpenReadsTheVersionOverTheControlDevicePath)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_TRUE(connection.IsOpen());
    EXPECT_EQ(L"\\\\.\\{A7D7FE57-CF69-4DD3-9661-DF59171BE063}", driver.LastOpenPath());
    ASSERT_EQ(1u, driver.RequestCount(kGetVersion));

    DRAVIO_VERSION_INFO version = {};
    DWORD bytes = kUntouched;
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS,
              connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes));
    EXPECT_EQ(24u, bytes);
    EXPECT_EQ(0, std::memcmp(&version, &static_cast<const DRAVIO_VERSION_INFO&>(driver.Version()), 24));
    connection.Close();
    EXPECT_FALSE(connection.IsOpen());
}

TEST_F(DravioApiContextOverSim, SecondOpenIsRejectedAndTheFirstKeepsWorking)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_EQ(DRAVIO_STATUS_REJECTED, connection.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_EQ(1u, driver.OpenConnectionCount());
    EXPECT_TRUE(connection.IsOpen());
    DRAVIO_VERSION_INFO version = {};
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, connection.GetVersion(&version));
    connection.Close();
}

TEST_F(DravioApiContextOverSim, InterfaceMajorVersionMustBeTwoAndMinorIsNotCompared)
{
    const struct {
        uint32_t major;
        uint32_t minor;
        DRAVIO_STATUS expected;
    } cases[] = {
        {2, 0, DRAVIO_STATUS_SUCCESS},
        {2, 99, DRAVIO_STATUS_SUCCESS},
        {1, 4, DRAVIO_STATUS_VERSION_MISMATCH},
        {3, 4, DRAVIO_STATUS_VERSION_MISMATCH},
        {0, 0, DRAVIO_STATUS_VERSION_MISMATCH},
    };
    for (const auto& c : cases) {
        DRAVIO_VERSION_INFO version = driver.Version();
        version.InterfaceMajor = c.major;
        version.InterfaceMinor = c.minor;
        driver.SetVersion(version);
        DravioApiContext connection(io);
        EXPECT_EQ(c.expected, connection.Open(DRAVIO_INTERFACE_NAME)) << c.major << "." << c.minor;
        EXPECT_EQ(c.expected == DRAVIO_STATUS_SUCCESS, connection.IsOpen());
        EXPECT_EQ(c.expected == DRAVIO_STATUS_SUCCESS ? 1u : 0u, driver.OpenConnectionCount());
    }
}

TEST_F(DravioApiContextOverSim, FailingVersionRequestClosesTheConnectionAndReturnsItsStatus)
{
    driver.FailFunction(kGetVersion, DRAVIO_STATUS_NO_FIRMWARE);
    DravioApiContext connection(io);
    EXPECT_EQ(DRAVIO_STATUS_NO_FIRMWARE, connection.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(0u, driver.OpenConnectionCount());

    driver.ClearFailure(kGetVersion);
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
}

TEST_F(DravioApiContextOverSim, AbsentDriverAndTruncatedPathGiveFileNotFound)
{
    DravioApiContext connection(io);
    driver.SetPresent(false);
    EXPECT_EQ(static_cast<DRAVIO_STATUS>(ERROR_FILE_NOT_FOUND), connection.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_FALSE(connection.IsOpen());
    driver.SetPresent(true);

    const std::wstring longName(400, L'x');
    EXPECT_EQ(static_cast<DRAVIO_STATUS>(ERROR_FILE_NOT_FOUND), connection.Open(longName.c_str()));
    EXPECT_EQ(299u, driver.LastOpenPath().size());
    EXPECT_EQ(L"\\\\.\\" + longName.substr(0, 295), driver.LastOpenPath());
}

TEST_F(DravioApiContextOverSim, RequestOnAClosedConnectionSendsNothingAndLeavesTheCountAlone)
{
    DravioApiContext connection(io);
    DRAVIO_VERSION_INFO version = {};
    DWORD bytes = kUntouched;
    EXPECT_EQ(DRAVIO_STATUS_NOT_OPENED,
              connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes));
    EXPECT_EQ(kUntouched, bytes);
    EXPECT_TRUE(driver.RequestLog().empty());
}

TEST_F(DravioApiContextOverSim, FailedRequestStillReportsItsByteCount)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
    driver.FailFunction(0x820, DRAVIO_STATUS_NO_DEVICES);
    unsigned char list[1124];
    DWORD bytes = kUntouched;
    EXPECT_EQ(DRAVIO_STATUS_NO_DEVICES,
              connection.IoControl(IOCTL_DRAVIO_GET_DEVICE_LIST, nullptr, 0, list, sizeof(list), &bytes));
    EXPECT_EQ(0u, bytes);
    connection.Close();
}

TEST_F(DravioApiContextOverSim, PendingRequestReturnsOnlyAfterItsCompletion)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));

    driver.PendNext(kGetVersion);
    RequestOnThread request(connection);
    ASSERT_TRUE(driver.WaitForHeld(20000));
    EXPECT_FALSE(request.done);
    ASSERT_TRUE(driver.CompleteHeld());
    request.Join();
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, request.result);
    EXPECT_EQ(24u, request.bytes);
    EXPECT_EQ(driver.Version().DriverBuild, request.version.DriverBuild);
    connection.Close();
}

TEST_F(DravioApiContextOverSim, PendingRequestTakesTheCompletionsStatusAndByteCount)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));

    driver.PendNext(kGetVersion);
    RequestOnThread request(connection);
    ASSERT_TRUE(driver.WaitForHeld(20000));
    std::thread completer([this] { driver.CompleteHeld(DRAVIO_STATUS_DEVICE_REMOVED, 7); });
    completer.join();
    request.Join();
    EXPECT_EQ(DRAVIO_STATUS_DEVICE_REMOVED, request.result);
    EXPECT_EQ(7u, request.bytes);
    connection.Close();
}

TEST_F(DravioApiContextOverSim, PendingRequestHoldsTheLockSoOtherRequestsWait)
{
    DravioApiContext connection(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
    const size_t requestsBefore = driver.RequestLog().size();

    driver.PendNext(kGetVersion);
    RequestOnThread first(connection);
    ASSERT_TRUE(driver.WaitForHeld(20000));
    RequestOnThread second(connection);
    Sleep(200);
    // The second request cannot have reached the driver while the first pends.
    EXPECT_EQ(requestsBefore, driver.RequestLog().size());
    EXPECT_FALSE(second.done);

    ASSERT_TRUE(driver.CompleteHeld());
    first.Join();
    second.Join();
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, first.result);
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, second.result);
    EXPECT_EQ(requestsBefore + 2, driver.RequestLog().size());
    connection.Close();
}

TEST_F(DravioApiContextOverSim, CloseTwiceReopenAndDestroyWhileOpen)
{
    {
        DravioApiContext connection(io);
        connection.Close();
        ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
        connection.Close();
        connection.Close();
        EXPECT_EQ(0u, driver.OpenConnectionCount());

        // The reopened connection has a completion event again: a pending request works.
        ASSERT_EQ(DRAVIO_STATUS_SUCCESS, connection.Open(DRAVIO_INTERFACE_NAME));
        driver.PendNext(kGetVersion);
        RequestOnThread request(connection);
        ASSERT_TRUE(driver.WaitForHeld(20000));
        driver.CompleteHeld();
        request.Join();
        EXPECT_EQ(DRAVIO_STATUS_SUCCESS, request.result);
        EXPECT_EQ(1u, driver.OpenConnectionCount());
    }
    // Destroying the open connection closed it.
    EXPECT_EQ(0u, driver.OpenConnectionCount());
}

TEST_F(DravioApiContextOverSim, ConnectionsAreIndependent)
{
    DravioApiContext first(io);
    DravioApiContext second(io);
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, first.Open(DRAVIO_INTERFACE_NAME));
    ASSERT_EQ(DRAVIO_STATUS_SUCCESS, second.Open(DRAVIO_INTERFACE_NAME));
    EXPECT_EQ(2u, driver.OpenConnectionCount());

    first.Close();
    DRAVIO_VERSION_INFO version = {};
    EXPECT_EQ(DRAVIO_STATUS_NOT_OPENED, first.GetVersion(&version));
    EXPECT_EQ(DRAVIO_STATUS_SUCCESS, second.GetVersion(&version));

    const auto log = driver.RequestLog();
    ASSERT_EQ(3u, log.size());
    EXPECT_NE(log[0].connectionId, log[1].connectionId);
    EXPECT_EQ(log[1].connectionId, log[2].connectionId);
    second.Close();
}
