#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include <windows.h>

#include "DravioVersionInfo.h"
#include "DrvSimCompletionSink.h"

// One request as the substitute driver saw it, for tests to inspect.
struct DrvSimRequestRecord {
    uint32_t connectionId;
    DWORD function;
    DWORD inputSize;
    DWORD outputSize;
    DWORD status;
};

// The substitute for the kernel driver: everything the programs rely on from it,
// with state that tests set and inspect and faults they inject. Transports (in
// process, or the pipe of the simulator process) hand it connections and requests;
// it knows nothing of how they arrived. Thread-safe.
class DrvSimDriver {
public:
    DrvSimDriver();
    ~DrvSimDriver();

    DrvSimDriver(const DrvSimDriver&) = delete;
    DrvSimDriver& operator=(const DrvSimDriver&) = delete;

    // --- Transport side ---

    // Opens a connection for a device path. Every open is a connection of its own.
    // A path other than the control device's, or an absent driver, gives
    // ERROR_FILE_NOT_FOUND as the system would.
    DWORD OpenConnection(const wchar_t* path, uint32_t* connectionId);
    // Ends a connection; requests of it still held are completed as aborted.
    void CloseConnection(uint32_t connectionId);

    // Carries one request. Returns its status with the byte count set, or
    // ERROR_IO_PENDING when the request is held: the sink then gets the result
    // later, and input, output and sink must stay valid until it has.
    DWORD Control(uint32_t connectionId, DWORD code, const void* input, DWORD inputSize, void* output,
                  DWORD outputSize, DWORD* bytesReturned, DrvSimCompletionSink* sink);

    // --- Test side: state ---

    void SetVersion(const DRAVIO_VERSION_INFO& version);
    DRAVIO_VERSION_INFO Version() const;
    // An absent driver refuses every open with ERROR_FILE_NOT_FOUND.
    void SetPresent(bool present);

    size_t OpenConnectionCount() const;
    std::wstring LastOpenPath() const;
    std::vector<DrvSimRequestRecord> RequestLog() const;
    size_t RequestCount(DWORD function) const;

    // --- Test side: faults ---

    // Every request of the function fails with the status until cleared.
    void FailFunction(DWORD function, DWORD status);
    void ClearFailure(DWORD function);
    void ClearFaults();

    // The next request of the function is held instead of completed at once.
    void PendNext(DWORD function);
    // Waits until at least one request is held; false after the time-out.
    bool WaitForHeld(DWORD timeoutMs);
    size_t HeldCount() const;
    // Completes the oldest held request as it would have been answered at once.
    bool CompleteHeld();
    // Completes the oldest held request with the given status and byte count (the
    // count is capped at the output's size; the answer is still written).
    bool CompleteHeld(DWORD status, DWORD bytesReturned);

private:
    struct Connection {
        uint32_t id;
    };

    struct HeldRequest {
        uint32_t connectionId;
        DWORD code;
        std::vector<uint8_t> input;
        void* output;
        DWORD outputSize;
        DrvSimCompletionSink* sink;
    };

    bool CompleteOldest(bool overrideResult, DWORD status, DWORD bytesReturned);
    // Answers one request; called with the state locked.
    DWORD Answer(uint32_t connectionId, DWORD code, const void* input, DWORD inputSize, void* output,
                 DWORD outputSize, DWORD* bytesReturned);
    DWORD AnswerGetVersion(void* output, DWORD outputSize, DWORD* bytesReturned);

    mutable std::mutex stateLock;
    std::condition_variable heldChanged;

    bool present = true;
    DRAVIO_VERSION_INFO version;
    uint32_t nextConnectionId = 1;
    std::map<uint32_t, Connection> connections;
    std::wstring lastOpenPath;
    std::vector<DrvSimRequestRecord> requestLog;
    std::map<DWORD, DWORD> forcedFailures;
    std::map<DWORD, unsigned> pendCounts;
    std::deque<HeldRequest> held;
};
