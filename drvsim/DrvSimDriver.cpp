#include "DrvSimDriver.h"

#include <cstring>
#include <cwchar>

#include "DravioApiContext.h"
#include "DravioIoctl.h"
#include "DravioStatus.h"

namespace {

bool IsControlDevicePath(const wchar_t* path)
{
    const std::wstring expected = std::wstring(L"\\\\.\\") + DRAVIO_INTERFACE_NAME;
    // Object names are case-insensitive, as for the real symbolic link.
    return path != nullptr && _wcsicmp(path, expected.c_str()) == 0;
}

} // namespace

DrvSimDriver::DrvSimDriver()
{
    version.InterfaceMajor = DRAVIO_INTERFACE_VERSION_MAJOR;
    version.InterfaceMinor = 4;
    version.DriverMajor = 4;
    version.DriverMinor = 12;
    version.DriverBuild = 1784;
    version.Flags = 0;
}

DrvSimDriver::~DrvSimDriver()
{
    // Nobody may be left waiting on a request of a driver that is gone.
    while (CompleteOldest(true, ERROR_OPERATION_ABORTED, 0)) {
    }
}

DWORD DrvSimDriver::OpenConnection(const wchar_t* path, uint32_t* connectionId)
{
    std::lock_guard<std::mutex> guard(stateLock);
    lastOpenPath = path != nullptr ? path : L"";
    if (!present || !IsControlDevicePath(path))
        return ERROR_FILE_NOT_FOUND;
    const uint32_t id = nextConnectionId++;
    connections[id] = Connection{id};
    *connectionId = id;
    return ERROR_SUCCESS;
}

void DrvSimDriver::CloseConnection(uint32_t connectionId)
{
    std::vector<DrvSimCompletionSink*> aborted;
    {
        std::lock_guard<std::mutex> guard(stateLock);
        connections.erase(connectionId);
        for (auto it = held.begin(); it != held.end();) {
            if (it->connectionId == connectionId) {
                aborted.push_back(it->sink);
                it = held.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (DrvSimCompletionSink* sink : aborted)
        sink->Complete(ERROR_OPERATION_ABORTED, 0);
}

DWORD DrvSimDriver::Control(uint32_t connectionId, DWORD code, const void* input, DWORD inputSize, void* output,
                            DWORD outputSize, DWORD* bytesReturned, DrvSimCompletionSink* sink)
{
    std::lock_guard<std::mutex> guard(stateLock);
    *bytesReturned = 0;
    if (connections.find(connectionId) == connections.end())
        return ERROR_INVALID_HANDLE;

    const DWORD function = DravioIoctlFunction(code);
    auto pend = pendCounts.find(function);
    if (pend != pendCounts.end() && sink != nullptr) {
        if (--pend->second == 0)
            pendCounts.erase(pend);
        const uint8_t* inputBytes = static_cast<const uint8_t*>(input);
        held.push_back(HeldRequest{connectionId, code,
                                   std::vector<uint8_t>(inputBytes, inputBytes + (input ? inputSize : 0)), output,
                                   outputSize, sink});
        heldChanged.notify_all();
        return ERROR_IO_PENDING;
    }
    return Answer(connectionId, code, input, inputSize, output, outputSize, bytesReturned);
}

DWORD DrvSimDriver::Answer(uint32_t connectionId, DWORD code, const void* input, DWORD inputSize, void* output,
                           DWORD outputSize, DWORD* bytesReturned)
{
    (void)input;
    *bytesReturned = 0;
    const DWORD function = DravioIoctlFunction(code);
    DWORD status;
    auto forced = forcedFailures.find(function);
    if (forced != forcedFailures.end()) {
        status = forced->second;
    } else {
        switch (code) {
        case IOCTL_DRAVIO_GET_VERSION:
            status = AnswerGetVersion(output, outputSize, bytesReturned);
            break;
        default:
            status = DRAVIO_STATUS_INVALID_IOCTL;
            break;
        }
    }
    requestLog.push_back(DrvSimRequestRecord{connectionId, function, inputSize, outputSize, status});
    return status;
}

DWORD DrvSimDriver::AnswerGetVersion(void* output, DWORD outputSize, DWORD* bytesReturned)
{
    if (output == nullptr || outputSize < sizeof(DRAVIO_VERSION_INFO))
        return DRAVIO_STATUS_INVALID_OUTBUFFER_SIZE;
    std::memcpy(output, &version, sizeof(version));
    *bytesReturned = sizeof(version);
    return DRAVIO_STATUS_SUCCESS;
}

void DrvSimDriver::SetVersion(const DRAVIO_VERSION_INFO& newVersion)
{
    std::lock_guard<std::mutex> guard(stateLock);
    version = newVersion;
}

DRAVIO_VERSION_INFO DrvSimDriver::Version() const
{
    std::lock_guard<std::mutex> guard(stateLock);
    return version;
}

void DrvSimDriver::SetPresent(bool isPresent)
{
    std::lock_guard<std::mutex> guard(stateLock);
    present = isPresent;
}

size_t DrvSimDriver::OpenConnectionCount() const
{
    std::lock_guard<std::mutex> guard(stateLock);
    return connections.size();
}

std::wstring DrvSimDriver::LastOpenPath() const
{
    std::lock_guard<std::mutex> guard(stateLock);
    return lastOpenPath;
}

std::vector<DrvSimRequestRecord> DrvSimDriver::RequestLog() const
{
    std::lock_guard<std::mutex> guard(stateLock);
    return requestLog;
}

size_t DrvSimDriver::RequestCount(DWORD function) const
{
    std::lock_guard<std::mutex> guard(stateLock);
    size_t count = 0;
    for (const DrvSimRequestRecord& record : requestLog)
        count += record.function == function ? 1 : 0;
    return count;
}

void DrvSimDriver::FailFunction(DWORD function, DWORD status)
{
    std::lock_guard<std::mutex> guard(stateLock);
    forcedFailures[function] = status;
}

void DrvSimDriver::ClearFailure(DWORD function)
{
    std::lock_guard<std::mutex> guard(stateLock);
    forcedFailures.erase(function);
}

void DrvSimDriver::ClearFaults()
{
    std::lock_guard<std::mutex> guard(stateLock);
    forcedFailures.clear();
    pendCounts.clear();
}

void DrvSimDriver::PendNext(DWORD function)
{
    std::lock_guard<std::mutex> guard(stateLock);
    ++pendCounts[function];
}

bool DrvSimDriver::WaitForHeld(DWORD timeoutMs)
{
    std::unique_lock<std::mutex> guard(stateLock);
    return heldChanged.wait_for(guard, std::chrono::milliseconds(timeoutMs), [this] { return !held.empty(); });
}

size_t DrvSimDriver::HeldCount() const
{
    std::lock_guard<std::mutex> guard(stateLock);
    return held.size();
}

bool DrvSimDriver::CompleteHeld()
{
    return CompleteOldest(false, 0, 0);
}

bool DrvSimDriver::CompleteHeld(DWORD status, DWORD bytesReturned)
{
    return CompleteOldest(true, status, bytesReturned);
}

bool DrvSimDriver::CompleteOldest(bool overrideResult, DWORD status, DWORD bytesReturned)
{
    DrvSimCompletionSink* sink = nullptr;
    DWORD resultStatus = 0;
    DWORD resultBytes = 0;
    {
        std::lock_guard<std::mutex> guard(stateLock);
        if (held.empty())
            return false;
        HeldRequest request = std::move(held.front());
        held.pop_front();
        resultStatus = Answer(request.connectionId, request.code, request.input.data(),
                              static_cast<DWORD>(request.input.size()), request.output, request.outputSize,
                              &resultBytes);
        if (overrideResult) {
            resultStatus = status;
            resultBytes = bytesReturned < request.outputSize ? bytesReturned : request.outputSize;
        }
        sink = request.sink;
    }
    sink->Complete(resultStatus, resultBytes);
    return true;
}
