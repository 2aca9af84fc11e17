#include <gtest/gtest.h>

#include "DravioApiContext.h"
#include "DravioIoctl.h"
#include "DrvSimDriver.h"
#include "DrvSimInProcessDeviceIo.h"

namespace {

// Records a completion, as a transport would hand it on.
class RecordingSink final : public DrvSimCompletionSink {
public:
    void Complete(DWORD completedStatus, DWORD completedBytes) override
    {
        ++calls;
        status = completedStatus;
        bytes = completedBytes;
    }
    int calls = 0;
    DWORD status = 0;
    DWORD bytes = 0;
};

const std::wstring kControlDevicePath = std::wstring(L"\\\\.\\") + DRAVIO_INTERFACE_NAME;

} // namespace

TEST(DrvSimDriver, EachOpenIsAConnectionOfItsOwnAndOtherPathsAreNotFound)
{
    DrvSimDriver driver;
    uint32_t first = 0;
    uint32_t second = 0;
    ASSERT_EQ(0u, driver.OpenConnection(kControlDevicePath.c_str(), &first));
    ASSERT_EQ(0u, driver.OpenConnection(L"\\\\.\\{a7d7fe57-cf69-4dd3-9661-df59171be063}", &second));
    EXPECT_NE(first, second);
    EXPECT_EQ(2u, driver.OpenConnectionCount());

    uint32_t other = 0;
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), driver.OpenConnection(L"\\\\.\\{A7D7FE57}", &other));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), driver.OpenConnection(DRAVIO_INTERFACE_NAME, &other));

    driver.CloseConnection(first);
    EXPECT_EQ(1u, driver.OpenConnectionCount());
    DRAVIO_VERSION_INFO version;
    DWORD bytes = 0;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE),
              driver.Control(first, IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes, nullptr));
    EXPECT_EQ(0u, driver.Control(second, IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes,
                                 nullptr));
}

TEST(DrvSimDriver, VersionRecordIsSettableAndAnsweredWhole)
{
    DrvSimDriver driver;
    DrvSimInProcessDeviceIo io(driver);
    driver.SetVersion(DRAVIO_VERSION_INFO{2, 7, 5, 1, 4242, DRAVIO_VERSION_FLAG_DEBUG});
    DravioApiContext connection(io);
    ASSERT_EQ(0u, connection.Open(DRAVIO_INTERFACE_NAME));
    DRAVIO_VERSION_INFO version = {};
    ASSERT_EQ(0u, connection.GetVersion(&version));
    EXPECT_EQ(2u, version.InterfaceMajor);
    EXPECT_EQ(7u, version.InterfaceMinor);
    EXPECT_EQ(5u, version.DriverMajor);
    EXPECT_EQ(1u, version.DriverMinor);
    EXPECT_EQ(4242u, version.DriverBuild);
    EXPECT_EQ(DRAVIO_VERSION_FLAG_DEBUG, version.Flags);
}

TEST(DrvSimDriver, ForcedFailuresApplyPerFunctionWithAnyStatus)
{
    DrvSimDriver driver;
    DrvSimInProcessDeviceIo io(driver);
    DravioApiContext connection(io);
    ASSERT_EQ(0u, connection.Open(DRAVIO_INTERFACE_NAME));

    const DWORD statuses[] = {DRAVIO_STATUS_DEVICE_REMOVED, ERROR_ACCESS_DENIED, 0x12345678u};
    for (DWORD status : statuses) {
        driver.FailFunction(0x801, status);
        DRAVIO_VERSION_INFO version = {};
        EXPECT_EQ(status, connection.GetVersion(&version));
    }
    // Another function is not affected, and clearing restores the answer.
    driver.FailFunction(0x820, DRAVIO_STATUS_NO_DEVICES);
    driver.ClearFailure(0x801);
    DRAVIO_VERSION_INFO version = {};
    EXPECT_EQ(0u, connection.GetVersion(&version));
    driver.ClearFaults();
    unsigned char list[1124];
    EXPECT_NE(DRAVIO_STATUS_NO_DEVICES,
              connection.IoControl(IOCTL_DRAVIO_GET_DEVICE_LIST, nullptr, 0, list, sizeof(list)));
}

TEST(DrvSimDriver, MalformedRequestsAreRefusedWithDriverStatuses)
{
    DrvSimDriver driver;
    DrvSimInProcessDeviceIo io(driver);
    DravioApiContext connection(io);
    ASSERT_EQ(0u, connection.Open(DRAVIO_INTERFACE_NAME));
    unsigned char small[23];
    EXPECT_EQ(DRAVIO_STATUS_INVALID_OUTBUFFER_SIZE,
              connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, small, sizeof(small)));
    EXPECT_EQ(DRAVIO_STATUS_INVALID_IOCTL, connection.IoControl(DravioIoctlCode(0x7ff), nullptr, 0, nullptr, 0));
}

TEST(DrvSimDriver, HeldRequestsCompleteOnceWhateverEndsThem)
{
    DrvSimDriver driver;
    uint32_t connection = 0;
    ASSERT_EQ(0u, driver.OpenConnection(kControlDevicePath.c_str(), &connection));
    DRAVIO_VERSION_INFO version = {};
    DWORD bytes = kControlDevicePath.size();

    // Completion with a byte count above the output is capped at the output.
    RecordingSink capped;
    driver.PendNext(0x801);
    ASSERT_EQ(static_cast<DWORD>(ERROR_IO_PENDING), driver.Control(connection, IOCTL_DRAVIO_GET_VERSION, nullptr, 0,
                                                                 &version, sizeof(version), &bytes, &capped));
    EXPECT_EQ(1u, driver.HeldCount());
    EXPECT_TRUE(driver.CompleteHeld(DRAVIO_STATUS_ABORTED, 1000));
    EXPECT_EQ(1, capped.calls);
    EXPECT_EQ(DRAVIO_STATUS_ABORTED, capped.status);
    EXPECT_EQ(24u, capped.bytes);
    EXPECT_FALSE(driver.CompleteHeld());

    // Closing the connection aborts what it still has held.
    RecordingSink closed;
    driver.PendNext(0x801);
    ASSERT_EQ(static_cast<DWORD>(ERROR_IO_PENDING), driver.Control(connection, IOCTL_DRAVIO_GET_VERSION, nullptr, 0,
                                                                 &version, sizeof(version), &bytes, &closed));
    driver.CloseConnection(connection);
    EXPECT_EQ(1, closed.calls);
    EXPECT_EQ(static_cast<DWORD>(ERROR_OPERATION_ABORTED), closed.status);
    EXPECT_EQ(0u, driver.HeldCount());

    // So does the end of the driver.
    RecordingSink ended;
    {
        DrvSimDriver shortLived;
        uint32_t other = 0;
        ASSERT_EQ(0u, shortLived.OpenConnection(kControlDevicePath.c_str(), &other));
        shortLived.PendNext(0x801);
        ASSERT_EQ(static_cast<DWORD>(ERROR_IO_PENDING),
                  shortLived.Control(other, IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes,
                                     &ended));
    }
    EXPECT_EQ(1, ended.calls);
    EXPECT_EQ(static_cast<DWORD>(ERROR_OPERATION_ABORTED), ended.status);
}
