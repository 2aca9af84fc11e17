#pragma once

#include <atomic>
#include <windows.h>

#include "DravioDeviceIo.h"
#include "DravioDeviceRecords.h"
#include "DravioDriverRecords.h"
#include "DravioMessage.h"
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

    // Typed requests: each is one IoControl and returns its status unchanged. The
    // caller owns every record. (PostMessage and GetMessage are also Win32 macro
    // names; every user sees the same expansion through <windows.h>.)

    // Driver level.
    DRAVIO_STATUS GetVersion(DRAVIO_VERSION_INFO* info);
    DRAVIO_STATUS PostMessage(const DRAVIO_MESSAGE* message);
    DRAVIO_STATUS GetMessage(DRAVIO_MESSAGE* message);
    DRAVIO_STATUS GetNotification(DRAVIO_MESSAGE* message);
    DRAVIO_STATUS SetEvents(HANDLE replyEvent, HANDLE notificationEvent);
    DRAVIO_STATUS SetRole(uint32_t role);
    DRAVIO_STATUS GetDeviceList(DRAVIO_DEVICE_LIST* list);
    DRAVIO_STATUS SelectDevice(const DRAVIO_DEVICE_KEY& key);
    DRAVIO_STATUS GetInputChannels(DRAVIO_CHANNEL_LIST* list);
    DRAVIO_STATUS GetOutputChannels(DRAVIO_CHANNEL_LIST* list);
    DRAVIO_STATUS GetChannelInfo(const DRAVIO_CHANNEL_KEY& key, DRAVIO_CHANNEL_INFO* info);
    DRAVIO_STATUS GetSampleRates(DRAVIO_SAMPLE_RATE_INFO* info);
    DRAVIO_STATUS GetBufferSizes(DRAVIO_BUFFER_SIZE_INFO* info);
    DRAVIO_STATUS GetStreamingState(DRAVIO_STREAMING_STATE* state);
    DRAVIO_STATUS GetErrorCounters(DRAVIO_ERROR_COUNTERS* counters);
    DRAVIO_STATUS GetPolicy(uint32_t* flags);

    // Server only.
    DRAVIO_STATUS StreamingCommand(uint32_t command, uint32_t argument);
    DRAVIO_STATUS SetSampleRate(uint32_t rate);
    DRAVIO_STATUS SetBufferSizes(const DRAVIO_BUFFER_SIZES_REQUEST& sizes);
    DRAVIO_STATUS AnnounceSampleRate(uint32_t rate);
    DRAVIO_STATUS SetPolicy(uint32_t flags);
    DRAVIO_STATUS SelectStreamingDevice(const DRAVIO_STREAMING_DEVICE_REQUEST& selection);

    // Device level, on a connection bound to one device.
    DRAVIO_STATUS GetChannelFormats(DRAVIO_CHANNEL_FORMATS* formats);
    DRAVIO_STATUS SetupVirtualInput(const DRAVIO_VIRTUAL_INPUT_SETUP& setup);
    DRAVIO_STATUS SetWdmChannelNames(const DRAVIO_WDM_CHANNEL_NAMES& names);
    DRAVIO_STATUS SetWdmEndpoints(const DRAVIO_WDM_ENDPOINTS& endpoints);
    // Sets Index, zeroes the rest and sends the record in and out.
    DRAVIO_STATUS GetSpdifStatus(uint32_t index, DRAVIO_SPDIF_STATUS* status);
    DRAVIO_STATUS SetSpdifPassthrough(uint32_t selector, uint32_t second, bool enabled);
    // On success *enabled is Enabled != 0; on failure it is left as it was.
    DRAVIO_STATUS GetSpdifPassthrough(uint32_t selector, uint32_t second, bool* enabled);
    DRAVIO_STATUS GetInputLevels(DRAVIO_LEVEL* levels, uint32_t count);
    DRAVIO_STATUS GetOutputLevels(DRAVIO_LEVEL* levels, uint32_t count);
    // *count is the returned bytes divided by 4, written also on failure.
    DRAVIO_STATUS GetMixerPins(uint32_t selector, DRAVIO_MIXER_PIN* pins, uint32_t capacity, uint32_t* count);
    DRAVIO_STATUS GetOutputGains(DRAVIO_GAIN* gains, uint32_t count);
    DRAVIO_STATUS GetMixerWeights(DRAVIO_WEIGHT* weights, uint32_t count);
    DRAVIO_STATUS SetOutputGains(DRAVIO_GAIN* gains, uint32_t count);
    DRAVIO_STATUS SetMixerWeights(DRAVIO_WEIGHT* weights, uint32_t count);
    DRAVIO_STATUS SetBypassVolume(uint8_t on);
    DRAVIO_STATUS GetBypassVolume(uint8_t* on);
    DRAVIO_STATUS SetBypassMute(uint8_t on);
    DRAVIO_STATUS GetBypassMute(uint8_t* on);
    DRAVIO_STATUS GetEndpointLevels(DRAVIO_ENDPOINT_LEVELS* levels);
    DRAVIO_STATUS SetEndpointLevels(const DRAVIO_ENDPOINT_LEVELS& levels);
    DRAVIO_STATUS SetEffectParams(const DRAVIO_EFFECT_PARAMS* params, uint32_t length);
    DRAVIO_STATUS GetEffectParams(DRAVIO_EFFECT_PARAMS* params, uint32_t length);
    DRAVIO_STATUS SetSoundDeviceState(uint32_t selector, uint32_t value);
    DRAVIO_STATUS SwitchSoundDevice(uint32_t selector, uint32_t value);

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
    // An array request of count records of recordSize bytes, the buffer in and out.
    DRAVIO_STATUS ArrayRequest(DWORD code, void* records, uint32_t count, uint32_t recordSize);

    mutable CRITICAL_SECTION lock;
    std::atomic<HANDLE> device{nullptr};
    WnEvent completionEvent;
    DravioDeviceIo& deviceIo;
};
