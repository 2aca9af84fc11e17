#pragma once

#include <atomic>
#include <windows.h>

#include "DravioDeviceIo.h"
#include "DravioStatus.h"
#include "DravioVersionInfo.h"
#include "WnEvent.h"

// The interface name of the driver's control device.
constexpr const wchar_t* DRAVIO_INTERFACE_NAME = L"{A7D7FE57-CF69-4DD3-9661-DF59171BE063}";

// Room for the device path, terminator included; longer paths are truncated.
constexpr size_t DRAVIO_DEVICE_PATH_CHARS = 300;

// One open handle on the driver's control device, with its own lock and completion
// event. Requests on one connection are serialised and synchronous for the caller;
// separate connections are fully independent.
class DravioApiContext {
public:
    // Over the transport that the program was linked with.
    DravioApiContext();
    // Over a given transport, which must outlive the connection.
    explicit DravioApiContext(DravioDeviceIo& deviceIo);
    virtual ~DravioApiContext();

    DravioApiContext(const DravioApiContext&) = delete;
    DravioApiContext& operator=(const DravioApiContext&) = delete;

    // Opens the control device of the interface name and checks the interface version.
    DRAVIO_STATUS Open(const wchar_t* name);
    void Close();
    // An unlocked read, a hint before opening or requesting.
    bool IsOpen() const { return device.load(std::memory_order_acquire) != nullptr; }

    // One request. Either buffer may be null with size 0, or both the same buffer.
    // The returned-byte count, when asked for, is written also on failure, but not
    // when the connection is closed.
    DRAVIO_STATUS IoControl(DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize,
                            DWORD* bytesReturned = nullptr);

    DRAVIO_STATUS GetVersion(DRAVIO_VERSION_INFO* info);

    DravioDeviceIo& DeviceIo() const { return deviceIo; }

protected:
    // Holds the connection's lock for a scope; the lock is re-entrant.
    class LockGuard {
    public:
        explicit LockGuard(const DravioApiContext& context) : lock(context.lock) { EnterCriticalSection(&lock); }
        ~LockGuard() { LeaveCriticalSection(&lock); }
        LockGuard(const LockGuard&) = delete;
        LockGuard& operator=(const LockGuard&) = delete;

    private:
        CRITICAL_SECTION& lock;
    };

private:
    mutable CRITICAL_SECTION lock;
    std::atomic<HANDLE> device{nullptr};
    WnEvent completionEvent;
    DravioDeviceIo& deviceIo;
};
