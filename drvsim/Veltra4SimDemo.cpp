// Starts the substitute driver in this process and talks to it the way the
// programs do: through a DravioApiContext connection.
#include <cstdio>

#include "DravioApiContext.h"
#include "DravioIoctl.h"
#include "DravioWin32DeviceIo.h"
#include "DrvSimDriver.h"
#include "DrvSimInProcessDeviceIo.h"
#include "WnThread.h"

namespace {

void PrintStatus(const char* what, DRAVIO_STATUS status)
{
    std::printf("%-52s status 0x%08lX %s\n", what, static_cast<unsigned long>(status), DravioStatusName(status));
}

// Completes the request that the driver holds, from a thread of its own.
class LateCompleter : public WnThreadCallbackInterface {
public:
    explicit LateCompleter(DrvSimDriver& driver) : driver(driver) {}
    DWORD Run() override
    {
        if (!driver.WaitForHeld(10000))
            return 1;
        Sleep(100);
        driver.CompleteHeld();
        return 0;
    }

private:
    DrvSimDriver& driver;
};

} // namespace

int wmain()
{
    DrvSimDriver driver;
    DrvSimInProcessDeviceIo transport(driver);
    std::printf("Substitute driver started.\n");

    DravioApiContext connection(transport);
    DRAVIO_STATUS status = connection.Open(DRAVIO_INTERFACE_NAME);
    PrintStatus("Open \\\\.\\{A7D7FE57-...}:", status);
    if (status != DRAVIO_STATUS_SUCCESS)
        return 1;

    DRAVIO_VERSION_INFO version = {};
    DWORD bytes = 0;
    status = connection.IoControl(IOCTL_DRAVIO_GET_VERSION, nullptr, 0, &version, sizeof(version), &bytes);
    PrintStatus("IOCTL_DRAVIO_GET_VERSION:", status);
    std::printf("  version record (%lu bytes): interface %u.%u, driver %u.%u.%u, %s build\n",
                static_cast<unsigned long>(bytes), version.InterfaceMajor, version.InterfaceMinor,
                version.DriverMajor, version.DriverMinor, version.DriverBuild,
                (version.Flags & DRAVIO_VERSION_FLAG_DEBUG) ? "debug" : "release");

    driver.PendNext(0x801);
    LateCompleter completer(driver);
    WnThread completerThread;
    completerThread.Start(&completer, 0, 0);
    status = connection.GetVersion(&version);
    completerThread.Wait(INFINITE);
    PrintStatus("IOCTL_DRAVIO_GET_VERSION, pending, completed later:", status);

    driver.FailFunction(0x820, DRAVIO_STATUS_NO_DEVICES);
    unsigned char list[1124] = {};
    status = connection.IoControl(IOCTL_DRAVIO_GET_DEVICE_LIST, nullptr, 0, list, sizeof(list), &bytes);
    PrintStatus("IOCTL_DRAVIO_GET_DEVICE_LIST, failure injected:", status);

    connection.Close();
    status = connection.GetVersion(&version);
    PrintStatus("Request on the closed connection:", status);

    DravioApiContext realDevice(DravioWin32DeviceIo::Instance());
    status = realDevice.Open(DRAVIO_INTERFACE_NAME);
    PrintStatus("Open through Win32 (no kernel driver here):", status);

    std::printf("Connections left open in the substitute driver: %zu\n", driver.OpenConnectionCount());
    return 0;
}
