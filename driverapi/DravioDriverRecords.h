#pragma once

#include <cstddef>
#include <cstdint>

#include "DravioVersionInfo.h"

// Records of the driver-level requests. Packed little-endian, no gaps; strings are
// UTF-16 inside their fixed fields and not always terminated there.

// Roles a connection declares with IOCTL_DRAVIO_SET_ROLE.
constexpr uint32_t DRAVIO_ROLE_SERVER = 0;
constexpr uint32_t DRAVIO_ROLE_CLIENT = 2;
constexpr uint32_t DRAVIO_ROLE_PANEL = 3;
constexpr uint32_t DRAVIO_ROLE_MIXER = 4;

// DRAVIO_DEVICE_INFO::DeviceFlags.
constexpr uint32_t DRAVIO_DEVICE_HIGH_SPEED = 0x00000001;
constexpr uint32_t DRAVIO_DEVICE_EFFECT = 0x00000100;
constexpr uint32_t DRAVIO_DEVICE_STREAMING = 0x00010000;

constexpr uint32_t DRAVIO_MAX_DEVICES = 8;
constexpr uint32_t DRAVIO_MAX_CHANNELS = 96;
constexpr uint32_t DRAVIO_MAX_SAMPLE_RATES = 10;
constexpr size_t DRAVIO_SERIAL_NUMBER_CHARS = 20;
constexpr size_t DRAVIO_NAME_CHARS = 42;

// DRAVIO_STREAMING_STATE::State.
constexpr uint32_t DRAVIO_STREAMING_UNDEFINED = 0;
constexpr uint32_t DRAVIO_STREAMING_DOWN = 1;
constexpr uint32_t DRAVIO_STREAMING_READY = 2;
constexpr uint32_t DRAVIO_STREAMING_PREPARED = 3;
constexpr uint32_t DRAVIO_STREAMING_RUNNING = 4;
constexpr uint32_t DRAVIO_STREAMING_ERROR = 5;
constexpr uint32_t DRAVIO_STREAMING_USB11 = 6;

// Policy flags.
constexpr uint32_t DRAVIO_POLICY_FORBID_RATE_CHANGE = 0x1;

// Sample rates of the direct-stream (DSD) mode.
constexpr uint32_t DRAVIO_DSD_RATE_64 = 2822400;
constexpr uint32_t DRAVIO_DSD_RATE_128 = 5644800;

static_assert(sizeof(wchar_t) == 2, "record strings are UTF-16");

#pragma pack(push, 1)

struct DRAVIO_EVENT_HANDLES {
    uint64_t ReplyEvent;        // handle value in the low 32 bits; 0 = none
    uint64_t NotificationEvent; // same form
};

struct DRAVIO_DEVICE_KEY {
    uint32_t Low;
    uint32_t High;
};

struct DRAVIO_DEVICE_INFO {
    DRAVIO_DEVICE_KEY Key;
    uint16_t VendorId;
    uint16_t ProductId;
    wchar_t SerialNumber[DRAVIO_SERIAL_NUMBER_CHARS];
    wchar_t Name[DRAVIO_NAME_CHARS];
    uint32_t DeviceFlags;
};

struct DRAVIO_DEVICE_LIST {
    uint32_t Count;
    DRAVIO_DEVICE_INFO Devices[DRAVIO_MAX_DEVICES];
};

struct DRAVIO_CHANNEL_KEY {
    uint32_t Low;
    uint32_t High;
};

struct DRAVIO_CHANNEL_LIST {
    uint32_t Count;
    DRAVIO_CHANNEL_KEY Channels[DRAVIO_MAX_CHANNELS];
};

struct DRAVIO_CHANNEL_INFO {
    uint8_t Reserved0[8];
    DRAVIO_DEVICE_KEY DeviceKey;
    uint8_t Reserved16[8];
    wchar_t Name[DRAVIO_NAME_CHARS];
};

struct DRAVIO_SAMPLE_RATE_INFO {
    uint32_t CurrentRate;
    uint32_t RateCount;
    uint32_t Rates[DRAVIO_MAX_SAMPLE_RATES];
};

struct DRAVIO_BUFFER_SIZE_INFO {
    uint32_t BufferSizePreset;
    uint32_t AsioBufferSizePreset;
    uint32_t BufferReserved;
    uint32_t BufferLatencyUs;
    uint32_t AsioLatencyUs;
    uint32_t AsioBufferSamples;
    uint8_t Reserved24[8];
};

struct DRAVIO_STREAMING_STATE {
    uint32_t State;
    uint32_t StreamingMode;
    uint32_t SampleRate;
    uint32_t UseCount1;
    uint32_t UseCount2;
    uint32_t UseCount3;
    uint32_t UseCount4;
    uint32_t UseCount5;
    uint8_t Reserved32[4];
};

struct DRAVIO_ERROR_COUNTERS {
    uint32_t StreamingErrorCount;
    uint32_t FifoErrorCount;
    uint32_t AsioErrorCount;
    uint32_t WdmAudioErrorCount;
    uint32_t WdmMidiErrorCount;
};

#pragma pack(pop)

static_assert(sizeof(DRAVIO_EVENT_HANDLES) == 16);
static_assert(offsetof(DRAVIO_EVENT_HANDLES, NotificationEvent) == 8);
static_assert(sizeof(DRAVIO_DEVICE_KEY) == 8);
static_assert(sizeof(DRAVIO_DEVICE_INFO) == 140);
static_assert(offsetof(DRAVIO_DEVICE_INFO, VendorId) == 8);
static_assert(offsetof(DRAVIO_DEVICE_INFO, ProductId) == 10);
static_assert(offsetof(DRAVIO_DEVICE_INFO, SerialNumber) == 12);
static_assert(offsetof(DRAVIO_DEVICE_INFO, Name) == 52);
static_assert(offsetof(DRAVIO_DEVICE_INFO, DeviceFlags) == 136);
static_assert(sizeof(DRAVIO_DEVICE_LIST) == 1124);
static_assert(offsetof(DRAVIO_DEVICE_LIST, Devices) == 4);
static_assert(sizeof(DRAVIO_CHANNEL_KEY) == 8);
static_assert(sizeof(DRAVIO_CHANNEL_LIST) == 772);
static_assert(sizeof(DRAVIO_CHANNEL_INFO) == 108);
static_assert(offsetof(DRAVIO_CHANNEL_INFO, DeviceKey) == 8);
static_assert(offsetof(DRAVIO_CHANNEL_INFO, Name) == 24);
static_assert(sizeof(DRAVIO_SAMPLE_RATE_INFO) == 48);
static_assert(offsetof(DRAVIO_SAMPLE_RATE_INFO, Rates) == 8);
static_assert(sizeof(DRAVIO_BUFFER_SIZE_INFO) == 32);
static_assert(offsetof(DRAVIO_BUFFER_SIZE_INFO, BufferLatencyUs) == 12);
static_assert(offsetof(DRAVIO_BUFFER_SIZE_INFO, AsioBufferSamples) == 20);
static_assert(sizeof(DRAVIO_STREAMING_STATE) == 36);
static_assert(offsetof(DRAVIO_STREAMING_STATE, SampleRate) == 8);
static_assert(offsetof(DRAVIO_STREAMING_STATE, UseCount1) == 12);
static_assert(offsetof(DRAVIO_STREAMING_STATE, UseCount5) == 28);
static_assert(sizeof(DRAVIO_ERROR_COUNTERS) == 20);

// The number of entries of a driver record that may be read: the driver's count,
// but never more than the record holds.
constexpr uint32_t DravioValidCount(uint32_t count, uint32_t capacity)
{
    return count < capacity ? count : capacity;
}

inline uint32_t DravioDeviceCount(const DRAVIO_DEVICE_LIST& list)
{
    return DravioValidCount(list.Count, DRAVIO_MAX_DEVICES);
}

inline uint32_t DravioChannelCount(const DRAVIO_CHANNEL_LIST& list)
{
    return DravioValidCount(list.Count, DRAVIO_MAX_CHANNELS);
}

inline uint32_t DravioRateCount(const DRAVIO_SAMPLE_RATE_INFO& info)
{
    return DravioValidCount(info.RateCount, DRAVIO_MAX_SAMPLE_RATES);
}

inline bool DravioSameKey(const DRAVIO_DEVICE_KEY& a, const DRAVIO_DEVICE_KEY& b)
{
    return a.Low == b.Low && a.High == b.High;
}
